#include "gui/launch/LaunchDialogs.h"

#include "core/launch/Launch.h"
#include "gui/base/Text.h"
#include "gui/profiles/Named.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesk {
namespace {

QLineEdit* ReadOnlyLine(const char* name, const std::string& text, QWidget* parent)
{
    auto* line = Named(new QLineEdit(PathToQ(text), parent), name);
    line->setReadOnly(true);
    line->setCursorPosition(0);
    return line;
}

} // namespace

GameRunnerDialog::GameRunnerDialog(const std::string& runner, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRunner"));
    setWindowTitle(QStringLiteral("Game Runner"));
    auto* explanation =
        Named(new QLabel(QStringLiteral("Ulvex 2 is a Windows program. On Linux it runs through a compatibility tool. "
                                        "Enter the command that starts Windows programs, for example \"wine\": Run "
                                        "then starts that command with the game and its options.\n\n"
                                        "Leave the field empty to start the game directly."),
                         this),
              "lblRunner");
    explanation->setWordWrap(true);
    edtRunner_ = Named(new QLineEdit(PathToQ(runner), this), "edtRunner");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Named(buttons->button(QDialogButtonBox::Ok), "btnOk");
    Named(buttons->button(QDialogButtonBox::Cancel), "btnCancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(edtRunner_);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

std::string GameRunnerDialog::runner() const { return PathFromQ(edtRunner_->text()); }

CommandLineDialog::CommandLineDialog(const ProgramStart& start, const std::string& batchLine, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCommandLine"));
    setWindowTitle(QStringLiteral("Command Line"));
    auto* arguments = Named(new QPlainTextEdit(this), "mmoArguments");
    arguments->setReadOnly(true);
    arguments->setLineWrapMode(QPlainTextEdit::NoWrap);
    arguments->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& argument : start.arguments)
        arguments->appendPlainText(PathToQ(argument));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Program:"), ReadOnlyLine("edtProgram", start.program, this));
    form->addRow(QStringLiteral("Arguments:"), arguments);
    form->addRow(QStringLiteral("Working directory:"),
                 ReadOnlyLine("edtWorkingDirectory", start.workingDirectory, this));
    if (!batchLine.empty())
        form->addRow(QStringLiteral("Batch file line:"), ReadOnlyLine("edtBatchLine", batchLine, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Named(buttons->button(QDialogButtonBox::Close), "btnClose");
    auto* copy =
        Named(buttons->addButton(QStringLiteral("Copy Command"), QDialogButtonBox::ActionRole), "btnCopyCommand");
    const QString command = PathToQ(CommandText(start));
    connect(copy, &QPushButton::clicked, this, [command] { QGuiApplication::clipboard()->setText(command); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(560, 320);
}

} // namespace tesk
