# Themes, styles, panels and widgets.
