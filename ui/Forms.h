#pragma once

class UserDialogs;

// The four windows of the run, each into its global: FormMain, FormSetting2,
// FormInfo and FormVersion, in that order. The last three are owned by the
// main window and stay hidden until it shows them. The main window and the
// settings dialog show their messages through `dialogs`, which must outlive
// the windows.
void createForms(UserDialogs& dialogs);

// Destroys them all and clears the globals.
void destroyForms();
