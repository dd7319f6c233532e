#include "Forms.h"

#include "Coaxmain.h"
#include "Info.h"
#include "Setting2.h"
#include "Version.h"

void createForms()
{
    FormMain = new TFormMain;
    FormSetting2 = new TFormSetting2(FormMain);
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
