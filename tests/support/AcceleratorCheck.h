#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace AcceleratorCheckDetail {

// One &-letter of a window: what carries it and the tab page it sits on
// (null outside every page, where it competes with every page).
struct Accelerator
{
    QChar letter;
    QString text;
    const QWidget *page = nullptr;
};

inline QChar letterOf(const QString &text)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (mnemonic.isEmpty())
        return {};
    return QKeySequence(mnemonic[0].key()).toString().at(0).toLower();
}

inline const QWidget *pageOf(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget; w && w != window; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        // A tab widget's pages sit in its stack, a child of the tab widget.
        if (parent && qobject_cast<const QTabWidget *>(parent->parentWidget()))
            return w;
    }
    return nullptr;
}

inline bool shown(const QWidget *widget, const QWidget *window, const QWidget *page)
{
    return page ? widget->isVisibleTo(page) : widget->isVisibleTo(window);
}

inline void add(QList<Accelerator> &list, const QString &text, const QWidget *page)
{
    const QChar letter = letterOf(text);
    if (!letter.isNull())
        list.append({letter, text, page});
}

// The letters shared within one set, as "window: Alt+X: text, text".
inline QStringList sharedLetters(const QString &where, const QList<Accelerator> &all,
                                 const QWidget *page)
{
    QMap<QChar, QStringList> byLetter;
    for (const Accelerator &a : all) {
        if (!a.page || a.page == page)
            byLetter[a.letter].append(a.text);
    }
    QStringList found;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it) {
        if (it.value().size() > 1)
            found << QStringLiteral("%1: Alt+%2: %3")
                         .arg(where, QString(it.key()).toUpper(),
                              it.value().join(QStringLiteral(", ")));
    }
    return found;
}

} // namespace AcceleratorCheckDetail

// The &-letters that two controls or actions of window share, each as
// "window: Alt+X: text, text". Controls count when shown (on a tab page:
// shown when that page is), with the tab captions and the menu bar's titles;
// each menu of the window is checked on its own.
inline QStringList duplicateAccelerators(QWidget *window)
{
    using namespace AcceleratorCheckDetail;
    const QString name = window->objectName().isEmpty()
                             ? QString::fromLatin1(window->metaObject()->className())
                             : window->objectName();
    QList<Accelerator> controls;
    QList<const QWidget *> pages;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window)
            continue;
        const QWidget *page = pageOf(widget, window);
        if (page && !pages.contains(page))
            pages.append(page);
        if (!shown(widget, window, page))
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            add(controls, button->text(), page);
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->buddy())
                add(controls, label->text(), page);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            add(controls, group->title(), page);
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    add(controls, tabs->tabText(i), page);
        } else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            for (const QAction *action : bar->actions())
                if (action->isVisible())
                    add(controls, action->text(), page);
        }
    }

    QStringList found = sharedLetters(name, controls, nullptr);
    for (const QWidget *page : std::as_const(pages)) {
        for (const QString &line : sharedLetters(name, controls, page))
            if (!found.contains(line))
                found << line;
    }
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        QList<Accelerator> items;
        for (const QAction *action : menu->actions())
            if (action->isVisible() && !action->isSeparator())
                add(items, action->text(), nullptr);
        const QString where = name + QLatin1Char('/') +
                              (menu->objectName().isEmpty() ? menu->title() : menu->objectName());
        found << sharedLetters(where, items, nullptr);
    }
    return found;
}
