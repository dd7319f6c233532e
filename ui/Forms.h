#pragma once

// The four windows of the run, each into its global: FormMain, FormSetting2,
// FormInfo and FormVersion, in that order. The last three are owned by the
// main window and stay hidden until it shows them.
void createForms();

// Destroys them all and clears the globals.
void destroyForms();
