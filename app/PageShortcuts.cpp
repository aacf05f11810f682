#include "PageShortcuts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace {

struct PageKey {
    QKeyCombination keys;
    int by;
};

const PageKey kPageKeys[] = {
    {Qt::CTRL | Qt::Key_Tab, 1},
    {Qt::CTRL | Qt::Key_PageDown, 1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
    {Qt::CTRL | Qt::Key_PageUp, -1},
};

}  // namespace

PageShortcuts::PageShortcuts(QWidget* window, QTabWidget* pages) : QObject(window), pages_(pages)
{
    for (const PageKey& key : kPageKeys) {
        auto* shortcut = new QShortcut(QKeySequence(key.keys), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, by = key.by] { turn(by); });
    }
}

void PageShortcuts::turn(int by)
{
    const int count = pages_->count();
    if (count > 0)
        pages_->setCurrentIndex((pages_->currentIndex() + by + count) % count);
}
