#include "mfc/CFileDialog.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QSettings>
#include <QStringList>
#include <QStyle>
#include <QTemporaryDir>

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

// Makes the folder of a chosen file the current directory, where the
// program opens the file by its bare name. Says why when it cannot: a typed
// folder that does not exist, or one that cannot be entered.
bool EnterFolderOf(const QString& path, QString* why)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        *why = QString::fromUtf8("%1\n경로가 없습니다.\n경로를 확인한 후 다시 입력하십시오.").arg(path);
        return false;
    }
    if (!QDir::setCurrent(folder)) {
        *why = QString::fromUtf8("%1\n이 폴더에 들어갈 수 없습니다.").arg(folder);
        return false;
    }
    return true;
}

// Icons and types from an entry's name and kind alone. Qt's own provider
// reads the first bytes of a file it cannot place by name, and a read of a
// special file (/proc/kmsg, say) can block for ever: the dialog would hang
// in any folder that holds one, or a link to one. Qt asks from its own
// thread too, so the icons are made once, here.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
public:
    NameOnlyIconProvider()
        : m_folder(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
          m_file(QApplication::style()->standardIcon(QStyle::SP_FileIcon))
    {
    }

    QIcon icon(IconType type) const override { return type == File ? m_file : m_folder; }
    QIcon icon(const QFileInfo& info) const override { return info.isDir() ? m_folder : m_file; }
    QString type(const QFileInfo& info) const override
    {
        if (!info.isFile()) return QAbstractFileIconProvider::type(info);
        QMimeType mime = m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QIcon m_folder;
    QIcon m_file;
    QMimeDatabase m_types;
};

// Qt's dialogs keep the folders they visited in the user's settings and
// return to them. Under a settings path that is a file, nothing is found
// and nothing can be written.
void ForgetVisitedFolders()
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

// Qt's dialog takes a typed "*.stg" for a file name. In the Windows dialog a
// name with wildcards is a pattern: the dialog lists the files that match
// it and stays open. The open dialog's name box starts out as "*.stg".
// A name whose folder does not exist is refused over the dialog, which
// stays open for another name.
//
// Qt's dialog lists a folder as soon as it is made, before it can be told
// how to list it, so it is made in an empty folder; the icons outlive it.
class FileDialogWindow : public QFileDialog {
public:
    FileDialogWindow(QWidget* parent, const QString& emptyFolder, QAbstractFileIconProvider* icons)
        : QFileDialog(parent, QString(), emptyFolder)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setIconProvider(icons);
    }

    void done(int result) override
    {
        QString why;
        if (result == QDialog::Accepted && !selectedFiles().isEmpty() &&
            !EnterFolderOf(selectedFiles().constFirst(), &why)) {
            QMessageBox::warning(this, windowTitle(), why);
            return;
        }
        QFileDialog::done(result);
    }

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
        testhooks::ShownFileDialog shown;
        // A scripted name that the dialog refuses is followed by the next
        // scripted answer, as the user types another name.
        for (;;) {
            testhooks::FileDialogAnswer answer = testhooks::NextFileDialogAnswer();
            chosen.clear();
            if (answer.ok && !answer.fileName.empty()) {
                QString name = QString::fromStdString(answer.fileName);
                if (!defExt.isEmpty() && !QFileInfo(name).fileName().contains(QLatin1Char('.')))
                    name += QLatin1Char('.') + defExt;
                QDir folder(answer.folder.empty() ? QDir::currentPath()
                                                  : QString::fromStdString(answer.folder));
                chosen = folder.absoluteFilePath(name);
            }
            QString why;
            if (chosen.isEmpty() || EnterFolderOf(chosen, &why)) break;
            shown.refused.push_back(chosen.toStdString());
        }
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
        ForgetVisitedFolders();
        QTemporaryDir emptyFolder;
        NameOnlyIconProvider icons;
        FileDialogWindow dialog(parent, emptyFolder.path(), &icons);
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

    // Accepted only with the chosen file's folder as the current directory
    // (the dialog has entered it), so that its bare name finds the file.
    if (chosen.isEmpty()) return IDCANCEL;
    m_pathName = FromQt(QFileInfo(chosen).absoluteFilePath());
    return IDOK;
}

CString CFileDialog::GetFileName() const
{
    const std::string& path = m_pathName.Str();
    size_t slash = path.find_last_of('/');
    return CString(slash == std::string::npos ? path.c_str() : path.c_str() + slash + 1);
}
