#include "Forms.h"

#include "Coaxmain.h"
#include "Info.h"
#include "Setting2.h"
#include "Version.h"

void createForms(UserDialogs& dialogs)
{
    FormMain = new TFormMain(dialogs);
    FormSetting2 = new TFormSetting2(dialogs, FormMain);
    FormInfo = new TFormInfo(FormMain);
    FormVersion = new TFormVersion(FormMain);
}

void destroyForms()
{
    delete FormMain;
    FormMain = nullptr;
    FormSetting2 = nullptr;
    FormInfo = nullptr;
    FormVersion = nullptr;
}
