#include "helper.h"

#include "GLPlanet.h"
#include "MultiFuncState.h"

#include <gen/log/pp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GMessageBox.h>
#include <gen/store/GNode.h>
#include <gen/tools/os.h>

namespace orrin {

void set_mode_and_gui(MultiFuncState const& state, GLPlanet* planet, gen::qt::GButton* button)
{
    struct Label {
        bool applies;
        char const* text;
        char const* toolTip;
    };
    Label const labels[] = {
        {state.is_rotation_planet(), "R", "Mode:\nRotate Planet"},
        {state.is_rotation_planet_Z(), "RZ", "Mode:\nRotate Planet around Z"},
        {state.is_rotation_light(), "L", "Mode:\nMove Light Source"},
        {state.is_rotation_cam() && state.is_light_follow_cam(), "CL", "Mode:\nRotate Camera\nLight Follow Camera"},
        {state.is_rotation_cam(), "C", "Mode:\nRotate Camera"},
        {state.is_rotation_cam_Z(), "CZ", "Mode:\nRotate Camera Z"},
    };
    for (Label const& label : labels) {
        if (label.applies) {
            if (button != nullptr) {
                button->set_text_toolTip(QString::fromLatin1(label.text), QString::fromLatin1(label.toolTip));
            }
            break;
        }
    }
    if (planet != nullptr) {
        planet->mfState = state;
    }
}

void showInfo(QWidget* parent)
{
    QString text;
    if (gen::os::is_mobile()) {
        text = QStringLiteral(
            "Swipe to rotate planet\nZoom with 2 fingers\nSelect capital with one finger\n\nButtons:\n"
            " - Options Menu\n - Full screen\n - Choose Planet\n - Mode: Rotation\n"
            "   Camera,Planet,Planet-Z,Light) \n - View Menu\n - List of capitals\n"
            " - Start/Stop orbital flight \n");
    } else {
        text = QStringLiteral(
            "Drag mouse to rotate planet\nMouse wheel to zoom\nMouse move to see capital info\n\nButtons:\n"
            " - Options Menu\n - Full screen\n - Choose Planet\n - Mode: Rotation\n"
            "   Camera,Planet,Planet-Z,Light) \n - View Menu\n - Population Menu\n - Create new Window\n"
            " - List of capitals\n - Start/Stop orbital flight \n");
        if (gen::os::is_desktop()) {
            text += QStringLiteral(" Ctrl+N - new Window\n Ctrl+W - close Window\n");
        }
    }
    gen::qt::GMessageBox::show_info(parent, QStringLiteral("Basic Info"), text);
}

}  // namespace orrin

void showInfoLimitEarth(QWidget* parent, gen::store::GNode& appNode)
{
    if (!appNode.is_flag(QStringLiteral("seeMessageAgain"), true)) {
        return;
    }
    gen::qt::GMessageBox* box = gen::qt::GMessageBox::ask_yes_no(
        parent, QStringLiteral("Welcome"),
        QStringLiteral("Welcome the the show\n\nBecause of existing older devices\nEarth starts with poor resolution\n"
                       "Change it choosing your planet\n\nHave fun exploring our solar system!\n\nTiwo\n\n"
                       "---------------------------------------------------------\nSee this again ?\n"),
        QMessageBox::Question);
    gen::store::GNode* nodeApp = &appNode;
    box->lisRejected = [nodeApp](int const&) {
        gen::pp("NO");
        nodeApp->set_flag(QStringLiteral("seeMessageAgain"), false);
    };
}
