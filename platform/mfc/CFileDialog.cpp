#include "mfc/CFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "mfc/CWinApp.h"
#include "testing/FileDialogs.h"
#include "win32/Window.h"

namespace {

// "Description|*.a;*.b|...|" as Qt's name filters "Description (*.a *.b)".
QStringList NameFilters(LPCSTR filter)
{
    QStringList parts = win32::FromCp949(filter ? filter : "").split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && patterns.isEmpty()) break;
        if (!description.contains(QLatin1Char('(') + patterns + QLatin1Char(')')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        filters << description;
    }
    return filters;
}

// Qt's dialog takes a typed "*.stg" for a file name. In the Windows dialog a
// name with wildcards is a pattern: the dialog lists the files that match
// it and stays open. The open dialog's name box starts out as "*.stg".
class FileDialogWindow : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        const QStringList files = selectedFiles();
        const QString name = files.isEmpty() ? QString() : QFileInfo(files.constFirst()).fileName();
        if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) {
            QFileDialog::accept();
            return;
        }
        QStringList filters = nameFilters();
        for (const QString& filter : filters) {
            if (filter.contains(QLatin1Char('(') + name + QLatin1Char(')'))) {
                selectNameFilter(filter);
                return;
            }
        }
        filters << name;
        setNameFilters(filters);
        selectNameFilter(name);
    }
};

CString FromQt(const QString& text)
{
    QByteArray bytes = win32::ToCp949(text);
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(0, pParentWnd),
      m_bOpenFileDialog(bOpenFileDialog),
      m_defExt(lpszDefExt),
      m_initialName(lpszFileName),
      m_flags(dwFlags),
      m_filter(lpszFilter)
{
}

int CFileDialog::DoModal()
{
    QString chosen;
    QString defExt = win32::FromCp949(m_defExt);
    CWinApp* app = AfxGetApp();
    CWnd* owner = m_pParentWnd ? m_pParentWnd : app ? app->m_pMainWnd : nullptr;

    if (testhooks::CapturingFileDialogs()) {
        testhooks::FileDialogAnswer answer = testhooks::NextFileDialogAnswer();
        if (answer.ok && !answer.fileName.empty()) {
            QString name = QString::fromStdString(answer.fileName);
            if (!defExt.isEmpty() && !name.contains(QLatin1Char('.')))
                name += QLatin1Char('.') + defExt;
            QDir folder(answer.folder.empty() ? QDir::currentPath()
                                              : QString::fromStdString(answer.folder));
            chosen = folder.absoluteFilePath(name);
        }
        testhooks::ShownFileDialog shown;
        shown.open = m_bOpenFileDialog != FALSE;
        shown.defaultExtension = m_defExt.Str();
        shown.initialName = m_initialName.Str();
        shown.filter = m_filter.Str();
        shown.flags = m_flags;
        shown.owner = owner ? owner->m_hWnd : nullptr;
        shown.answer = chosen.isEmpty() ? IDCANCEL : IDOK;
        shown.chosenPath = chosen.toStdString();
        testhooks::RecordFileDialog(shown);
    } else {
        QWidget* parent = owner && owner->Widget() ? owner->Widget()->window() : nullptr;
        FileDialogWindow dialog(parent);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode((m_bOpenFileDialog && (m_flags & OFN_FILEMUSTEXIST))
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
        if (!(m_flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        QStringList filters = NameFilters(m_filter);
        if (!filters.isEmpty()) dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(defExt);
        dialog.setDirectory(QDir::current());
        if (!m_initialName.IsEmpty()) dialog.selectFile(win32::FromCp949(m_initialName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }

    if (chosen.isEmpty()) return IDCANCEL;
    QFileInfo file(chosen);
    // The program opens the chosen file by its bare name.
    QDir::setCurrent(file.absolutePath());
    m_pathName = FromQt(file.absoluteFilePath());
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    const std::string& path = m_pathName.Str();
    size_t slash = path.find_last_of('/');
    return CString(slash == std::string::npos ? path.c_str() : path.c_str() + slash + 1);
}
