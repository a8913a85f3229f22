// The open and save file dialogs. After IDOK the process's current directory
// is the folder of the chosen file, so that the program can open it by its
// bare name.
#pragma once

#include "mfc/CDialog.h"

class CFileDialog : public CDialog {
public:
    // The filter is "Description|pattern|...|", patterns separated by ';'.
    // The default extension (without dot) is added to a name typed without
    // one. OFN_OVERWRITEPROMPT: a save dialog asks before replacing a file.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL.
    int DoModal() override;

    CString GetPathName() const { return m_pathName; }
    // The chosen file's name and extension, without folder.
    CString GetFileName() const;

private:
    BOOL m_bOpenFileDialog;
    CString m_defExt;
    CString m_initialName;
    DWORD m_flags;
    CString m_filter;
    CString m_pathName;
};
