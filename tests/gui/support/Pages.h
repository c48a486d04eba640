#pragma once

#include <QTabWidget>
#include <QWidget>

namespace tesk::testing {

// Shows each page of the main window once, as a player clicking through the
// tabs would, then returns to the page that was showing. Pages are built the
// first time they are shown.
inline void ShowEveryPage(QWidget& window)
{
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (!pages)
        return;
    const int current = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i)
        pages->setCurrentIndex(i);
    pages->setCurrentIndex(current);
}

} // namespace tesk::testing
