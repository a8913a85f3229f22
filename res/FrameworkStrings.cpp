// The framework's own texts.
#include "mfc/AfxRes.h"

extern const AfxString g_strings[] = {
    {AFX_IDP_PARSE_INT, "정수를 입력하십시오."},
};
extern const int g_stringCount = static_cast<int>(sizeof g_strings / sizeof g_strings[0]);
