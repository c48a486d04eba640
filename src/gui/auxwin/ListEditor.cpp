#include "gui/auxwin/ListEditor.h"

#include "core/app/GameDirectoryLists.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "core/settings/SettingsModel.h"
#include "gui/app/CommandContext.h"
#include "gui/app/Desktop.h"
#include "gui/app/Text.h"
#include "gui/auxwin/MemoLines.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tesk {

ListEditor::ListEditor(const CommandContext& context, const Design& design)
    : QDialog(&context.window(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context), fileName_(design.fileName)
{
    setObjectName(QString::fromLatin1(design.objectName));
    setWindowTitle(QString::fromLatin1(design.caption));
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QString::fromLatin1(design.memoName));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setMinimumSize(80, 60);
    SetMemoLines(*memo_, design.initialLines);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(memo_);
}

std::string ListEditor::FilePath() const
{
    return JoinPath(directory_.empty() ? CurrentDirectory() : directory_, fileName_);
}

void ListEditor::FormActivate()
{
    directory_ = CurrentDirectory();
    // Without the file the memo keeps its text: the sample the first time,
    // the last saved text after that.
    if (const auto bytes = ReadFileIfExists(FilePath()))
        SetMemoLines(*memo_, SplitLines(*bytes));
}

bool ListEditor::FormClose()
{
    const std::string path = FilePath();
    try {
        WriteTextLines(path, MemoLines(*memo_));
    } catch (const std::exception& error) {
        context_.desktop().ShowError(this, MessageToQ(error.what()));
        return false;
    }
    context_.RunCommand([this, &path] { Refill(path); });
    return true;
}

void ListEditor::reject()
{
    if (FormClose())
        QDialog::reject();
}

TfrmMapList::TfrmMapList(const CommandContext& context)
    : ListEditor(context, {"frmMapList", "Map List", "mmoMapList",
                         {"Type Here to Add Maps.", "example:", "exMap \"My Map\""}, "maps.lst"})
{
    resize(230, 195);
}

void TfrmMapList::Refill(const std::string& path)
{
    std::vector<std::string> maps = ReadMapNames(path);
    context().model().SetItems("cboClientStartMap", maps);
    context().model().SetItems("cboServerStartMap", std::move(maps));
}

TfrmServerList::TfrmServerList(const CommandContext& context)
    : ListEditor(context, {"frmServerList", "Server List", "mmoServerList",
                         {"Type Here to Add Servers.", "example:", "192.0.2.10:27910"}, "servers.txt"})
{
    setFixedSize(222, 165);
}

void TfrmServerList::Refill(const std::string& path)
{
    context().model().SetItems("cboServerList", ReadListLines(path));
}

} // namespace tesk
