// The executable's resource table, which its entry point registers.
#include "mfc/AfxRes.h"

extern const AfxDialogTemplate g_dialogTemplates[];
extern const int g_dialogTemplateCount;
extern const AfxIcon g_icons[];
extern const int g_iconCount;
extern const AfxString g_strings[];
extern const int g_stringCount;

extern const AfxResources g_appResources = {
    g_dialogTemplates, g_dialogTemplateCount, g_icons, g_iconCount, g_strings, g_stringCount,
};
