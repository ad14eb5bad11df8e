# Application object, main window and options dialog.
