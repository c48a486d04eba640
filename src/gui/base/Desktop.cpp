#include "gui/base/Desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace tesk {

QString ToQtNameFilter(const QString& filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString description = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    description.remove(QStringLiteral(" (") + pattern + QLatin1Char(')'));
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

void QtDesktop::ShowError(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

void QtDesktop::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool QtDesktop::Confirm(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, QApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

SaveChoice QtDesktop::AskToSave(QWidget* parent, const QString& text)
{
    switch (QMessageBox::question(parent, QApplication::applicationName(), text,
                                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Stay;
    }
}

ChangedFileChoice QtDesktop::AskAboutChangedFile(QWidget* parent, const QString& text, bool beforeWriting)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton* take = box.addButton(QStringLiteral("&Take the File's Settings"), QMessageBox::AcceptRole);
    QPushButton* keep =
        box.addButton(beforeWriting ? QStringLiteral("&Write Tesk's over It") : QStringLiteral("&Keep Tesk's Settings"),
                      beforeWriting ? QMessageBox::DestructiveRole : QMessageBox::RejectRole);
    QPushButton* back = beforeWriting ? box.addButton(QStringLiteral("&Go Back"), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(take);
    box.setEscapeButton(back ? back : keep);
    box.exec();
    if (box.clickedButton() == take)
        return ChangedFileChoice::TakeFile;
    if (box.clickedButton() == keep)
        return ChangedFileChoice::KeepTesks;
    return back ? ChangedFileChoice::GoBack : ChangedFileChoice::KeepTesks;
}

namespace {

// The dialog would take the last part of a directory that does not exist
// (yet) for a file name; the nearest directory that does exist serves better.
QString ExistingDirectory(const QString& path)
{
    QDir directory(path);
    while (!directory.exists() && !directory.isRoot() && !directory.path().isEmpty())
        directory.setPath(QFileInfo(directory.path()).path());
    return directory.exists() ? directory.path() : QDir::homePath();
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, ExistingDirectory(request.initialDirectory),
                       ToQtNameFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The game's files come in any letter case. Qt's own dialog matches the
    // plain pattern so; the desktops' dialogs outside Windows match it with
    // case, and would have to show the player "*.[cC][fF][gG]".
#ifndef _WIN32
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtDesktop::ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDesktop::ChooseFileToSave(QWidget* parent, const FileDialogRequest& request)
{
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

int QtDesktop::ExecDialog(QDialog& dialog) { return dialog.exec(); }

GameProcessId QtDesktop::StartGame(const ProgramStart& start, const std::string& logPath)
{
    return StartGameProcess(start, logPath);
}

void QtDesktop::OpenFile(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace tesk
