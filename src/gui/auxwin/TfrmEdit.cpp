#include "gui/auxwin/TfrmEdit.h"

#include "core/text/TextFile.h"
#include "gui/auxwin/MemoLines.h"
#include "gui/base/CommandContext.h"
#include "gui/base/Desktop.h"
#include "gui/base/Text.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tesk {

TfrmEdit* TfrmEdit::Open(const CommandContext& context, const std::string& path, const QString& caption,
                         ReadBack readBack)
{
    const std::vector<std::string> lines = ReadTextLines(path);
    auto* editor = new TfrmEdit(context, path, lines, std::move(readBack));
    editor->setWindowTitle(caption);
    editor->show();
    return editor;
}

TfrmEdit::TfrmEdit(const CommandContext& context, std::string path, const std::vector<std::string>& lines,
                   ReadBack readBack)
    : QWidget(&context.window(), Qt::Window), context_(context), readBack_(std::move(readBack)), path_(std::move(path))
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("frmEdit"));
    resize(526, 425);
    mmoFile_ = new QPlainTextEdit;
    mmoFile_->setObjectName(QStringLiteral("mmoFile"));
    mmoFile_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoFile_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->addWidget(mmoFile_);
    SetMemoLines(*mmoFile_, lines);
    FormCreate();
    // Every change of the text counts, however it was made: typing, Delete,
    // pasting, the context menu, undo.
    connect(mmoFile_->document(), &QTextDocument::contentsChanged, this, [this] { changed_ = true; });
    context_.window().installEventFilter(this);
}

void TfrmEdit::FormCreate() { changed_ = false; }

bool TfrmEdit::FormClose()
{
    // Only a file this editor saved is read back: looking at it, or
    // answering No, leaves the main window as it was.
    if (!changed_
        || !context_.desktop().Confirm(this, QStringLiteral("Do you want to save any changes you may have made?")))
        return true;
    try {
        WriteTextLines(path_, MemoLines(*mmoFile_));
    } catch (const std::exception& error) {
        context_.desktop().ShowError(this, MessageToQ(error.what()));
        return false;
    }
    changed_ = false;
    context_.RunCommand([this] { readBack_(path_); });
    return true;
}

void TfrmEdit::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TfrmEdit::eventFilter(QObject* watched, QEvent* event)
{
    // The parent is the main window; asking the context for it would reach
    // into a window that is being destroyed when its children go.
    if (watched == parentWidget() && event->type() == QEvent::Close && isVisible() && !close()) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmEdit::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (placed_ || event->spontaneous())
        return;
    placed_ = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace tesk
