#pragma once

#include "core/text/Error.h"
#include "gui/base/Desktop.h"

#include <QDialog>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace tesk::testing {

// Answers the windows' questions from queues the test fills, and records
// every message, dialog and program start. A question nobody queued an answer
// for fails the test and is answered "No" / "Cancel".
class FakeDesktop : public Desktop {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingDirectory;
        std::vector<EnvironmentVariable> environment;
        std::string logPath;
    };

    QStringList errors;
    QStringList messages;
    QStringList confirmations;
    std::deque<bool> confirmAnswers;
    QStringList saveQuestions;
    std::deque<SaveChoice> saveChoices;
    QStringList changedFileQuestions;
    std::deque<ChangedFileChoice> changedFileChoices;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::function<int(QDialog&)> onDialog;
    std::vector<Start> starts;
    bool startSucceeds = true;
    // Starts the game for real (a stub), so that the test sees it run and end.
    bool realStarts = false;
    QStringList openedFiles;

    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowMessage(QWidget*, const QString& text) override { messages.append(text); }

    bool Confirm(QWidget*, const QString& text) override
    {
        confirmations.append(text);
        if (confirmAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }

    SaveChoice AskToSave(QWidget*, const QString& text) override
    {
        saveQuestions.append(text);
        if (saveChoices.empty()) {
            ADD_FAILURE() << "unexpected save question: " << text.toStdString();
            return SaveChoice::Stay;
        }
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }

    ChangedFileChoice AskAboutChangedFile(QWidget*, const QString& text, bool beforeWriting) override
    {
        changedFileQuestions.append(text);
        if (changedFileChoices.empty()) {
            ADD_FAILURE() << "unexpected question about a changed file: " << text.toStdString();
            return beforeWriting ? ChangedFileChoice::GoBack : ChangedFileChoice::KeepTesks;
        }
        const ChangedFileChoice choice = changedFileChoices.front();
        changedFileChoices.pop_front();
        return choice;
    }

    std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return Next(openAnswers, "open", request);
    }

    std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return Next(saveAnswers, "save", request);
    }

    int ExecDialog(QDialog& dialog) override
    {
        if (!onDialog) {
            ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
            return QDialog::Rejected;
        }
        return onDialog(dialog);
    }

    GameProcessId StartGame(const ProgramStart& start, const std::string& logPath) override
    {
        QStringList arguments;
        for (const std::string& argument : start.arguments)
            arguments.append(QString::fromStdString(argument));
        starts.push_back({QString::fromStdString(start.program), arguments,
                          QString::fromStdString(start.workingDirectory), start.environment, logPath});
        if (!startSucceeds)
            throw Error("The system cannot run " + start.program + ".");
        // No process (0) counts as one that ended well.
        return realStarts ? StartGameProcess(start, logPath) : 0;
    }

    void OpenFile(const QString& path) override { openedFiles.append(path); }

private:
    static std::optional<QString> Next(std::deque<std::optional<QString>>& answers, const char* kind,
                                       const FileDialogRequest& request)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << kind << " dialog: " << request.title.toStdString();
            return std::nullopt;
        }
        std::optional<QString> answer;
        answer.swap(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace tesk::testing
