#pragma once

// A memo's text as the lines of a text file, and back.

#include "core/text/TextFile.h"
#include "gui/base/Text.h"

#include <QPlainTextEdit>
#include <QStringList>

#include <string>
#include <vector>

namespace tesk {

// Every line of the memo, an empty last one included (the player ended the
// text with Enter), so that loading and saving keep a file as it was. An empty
// memo has no lines and gives an empty file.
inline std::vector<std::string> MemoLines(const QPlainTextEdit& memo)
{
    const std::string text = FromQ(memo.toPlainText());
    return text.empty() ? std::vector<std::string>{} : SplitLines(text + "\n");
}

inline void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text.append(ToQ(line));
    memo.setPlainText(text.join(QLatin1Char('\n')));
}

} // namespace tesk
