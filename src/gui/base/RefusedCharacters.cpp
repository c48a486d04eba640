#include "gui/base/RefusedCharacters.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace tesk {
namespace {

class RefusedCharactersValidator final : public QValidator {
public:
    RefusedCharactersValidator(std::string_view refused, QObject* parent)
        : QValidator(parent), refused_(QString::fromLatin1(refused.data(), static_cast<qsizetype>(refused.size())))
    {
    }

    State validate(QString& input, int&) const override
    {
        for (const QChar c : input)
            if (refused_.contains(c))
                return Invalid;
        return Acceptable;
    }

private:
    QString refused_;
};

} // namespace

QString QuotedValueNote()
{
    return QStringLiteral("A double quote cannot be used here: the game would end the text at it.");
}

QString ConsoleWordNote()
{
    return QStringLiteral(
        "Blanks, double quotes and semicolons cannot be used here: the game would split the "
        "line at them.");
}

void RefuseCharacters(QLineEdit& edit, std::string_view refused, const QString& note)
{
    edit.setValidator(new RefusedCharactersValidator(refused, &edit));
    QObject::connect(&edit, &QLineEdit::inputRejected, &edit,
                     [&edit, note] { QToolTip::showText(edit.mapToGlobal(QPoint(0, edit.height())), note, &edit); });
}

} // namespace tesk
