#include "gui/auxwin/ListEditor.h"

#include "core/app/GameDirectoryLists.h"
#include "core/settings/SettingsModel.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "gui/auxwin/MemoLines.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

#include <QPlainTextEdit>

#include <QVBoxLayout>
#include <algorithm>

namespace tesk {

ListEditor::ListEditor(const CommandContext& context, const Design& design)
    : QDialog(&context.window(),
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context),
      fileName_(design.fileName),
      sample_(design.initialLines)
{
    setObjectName(QString::fromLatin1(design.objectName));
    setWindowTitle(QString::fromLatin1(design.caption));
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QString::fromLatin1(design.memoName));
    memo_->setAccessibleName(QString::fromLatin1(design.caption));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setMinimumSize(80, 60);
    SetMemoLines(*memo_, design.initialLines);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(memo_);
}

std::string ListEditor::FilePath() const { return JoinPath(context_.dataDirectory(), fileName_); }

void ListEditor::FormActivate()
{
    // Without the file the memo keeps its text: the sample the first time,
    // the last saved text after that.
    if (const auto bytes = ReadFileIfExists(FilePath())) {
        SetMemoLines(*memo_, SplitLines(*bytes));
        loaded_ = true;
    }
}

bool ListEditor::FormClose()
{
    const std::string path = FilePath();
    std::vector<std::string> lines = MemoLines(*memo_);
    if (!loaded_)
        std::erase_if(lines, [this](const std::string& line) {
            return std::find(sample_.begin(), sample_.end(), line) != sample_.end();
        });
    try {
        WriteTextLines(path, lines);
    } catch (const std::exception& error) {
        context_.desktop().ShowError(this, MessageToQ(error.what()));
        return false;
    }
    context_.RunCommand([this, &path] { Refill(path); });
    return true;
}

void ListEditor::reject()
{
    const auto closeWithoutSaving = [this] {
        return context_.desktop().Confirm(
            this,
            QStringLiteral("Close the %1 without saving? %2 stays as it was.").arg(windowTitle(), ToQ(FilePath())));
    };
    if (FormClose() || closeWithoutSaving())
        QDialog::reject();
}

namespace {

// The refilled choice keeps the player's pick when it is still offered:
// the box must not show a choice that Run would leave out.
void RefillKeepingChoice(SettingsModel& model, const char* id, std::vector<std::string> items)
{
    const std::string chosen = model.SelectedText(id);
    const auto found = std::find(items.begin(), items.end(), chosen);
    const int index = chosen.empty() || found == items.end() ? -1 : static_cast<int>(found - items.begin());
    model.SetItems(id, std::move(items));
    if (index >= 0)
        model.SelectItem(id, index);
}

} // namespace

TfrmMapList::TfrmMapList(const CommandContext& context)
    : ListEditor(context, {"frmMapList",
                           "Map List",
                           "mmoMapList",
                           {"Type Here to Add Maps.", "example:", "exMap \"My Map\""},
                           "maps.lst"})
{
    resize(230, 195);
}

void TfrmMapList::Refill(const std::string& path)
{
    std::vector<std::string> maps = ReadMapNames(path);
    RefillKeepingChoice(context().model(), "cboClientStartMap", maps);
    RefillKeepingChoice(context().model(), "cboServerStartMap", std::move(maps));
}

TfrmServerList::TfrmServerList(const CommandContext& context)
    : ListEditor(context, {"frmServerList",
                           "Server List",
                           "mmoServerList",
                           {"Type Here to Add Servers.", "example:", "192.0.2.10:27910"},
                           "servers.txt"})
{
    setFixedSize(222, 165);
}

void TfrmServerList::Refill(const std::string& path)
{
    RefillKeepingChoice(context().model(), "cboServerList", ReadListEntries(path));
}

} // namespace tesk
