#include "gui/keys/KeyConflictMarks.h"

#include "core/keys/KeyConflicts.h"
#include "gui/base/Text.h"
#include "gui/settings/SettingWidgets.h"

#include <QPalette>
#include <QStringList>

namespace tesk {
namespace {

const QString kCaptureTip = QStringLiteral("Double-click to pick the key.");
constexpr char kBoundTwiceProperty[] = "teskBoundTwice";

// The field's own background mixed with amber: light on a light theme, dark
// on a dark one, so the palette's text colour stays readable.
QPalette MarkedPalette(const QPalette& inherited)
{
    QPalette palette = inherited;
    const QColor base = inherited.color(QPalette::Base);
    const QColor amber(255, 160, 0);
    constexpr double share = 0.4;
    const auto mix = [&](int own, int mark) { return static_cast<int>(own * (1 - share) + mark * share); };
    palette.setColor(QPalette::Base, QColor(mix(base.red(), amber.red()), mix(base.green(), amber.green()),
                                            mix(base.blue(), amber.blue())));
    return palette;
}

} // namespace

void MarkKeysBoundTwice(QWidget& scope, const SettingsModel& model)
{
    const auto twice = KeyFieldsBoundTwice(model);
    for (KeyEdit* field : scope.findChildren<KeyEdit*>()) {
        const auto found = twice.find(FromQ(field->objectName()));
        const bool marked = found != twice.end();
        QString tip = kCaptureTip;
        if (marked) {
            QStringList actions;
            for (const std::string& action : found->second)
                actions.append(ToQ(action));
            tip = QStringLiteral("Also bound to: ") + actions.join(QStringLiteral(", ")) + QLatin1Char('\n') + tip;
        }
        if (field->toolTip() != tip)
            field->setToolTip(tip);
        if (field->property(kBoundTwiceProperty).toBool() == marked)
            continue;
        field->setProperty(kBoundTwiceProperty, marked);
        // An empty palette inherits the window's again.
        field->setPalette(marked ? MarkedPalette(field->parentWidget()->palette()) : QPalette());
    }
}

} // namespace tesk
