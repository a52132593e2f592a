#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

namespace AcceleratorCheckDetail {

// The key after the "&" of a caption ("&&" is a plain "&"), upper case; a
// null character when the caption has none.
inline QChar mnemonicKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
        ++i;
    }
    return QChar();
}

inline QString describe(const QObject *object, const QString &text)
{
    QString caption = text;
    caption.remove(QLatin1Char('&'));
    return object->objectName().isEmpty()
               ? QStringLiteral("\"%1\"").arg(caption)
               : QStringLiteral("\"%1\" (%2)").arg(caption, object->objectName());
}

// Key -> the controls that answer it within one scope.
using Scope = QMap<QString, QStringList>;

inline void addMnemonic(Scope &scope, const QObject *object, const QString &text)
{
    const QChar key = mnemonicKey(text);
    if (!key.isNull())
        scope[QStringLiteral("Alt+") + key].append(describe(object, text));
}

inline void addActions(Scope &scope, const QWidget *widget)
{
    for (const QAction *action : widget->actions()) {
        if (!action->isVisible() || action->shortcutContext() == Qt::WidgetShortcut)
            continue;
        for (const QKeySequence &keys : action->shortcuts())
            scope[keys.toString()].append(describe(action, action->text()));
    }
}

// The items of an open menu answer their letters alone.
inline void addMenuItems(Scope &scope, const QMenu *menu)
{
    for (const QAction *action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QChar key = mnemonicKey(action->text());
        if (!key.isNull())
            scope[QString(key)].append(describe(action, action->text()));
    }
}

inline void report(const QString &where, const Scope &scope, QStringList &clashes)
{
    for (auto it = scope.cbegin(); it != scope.cend(); ++it)
        if (it.value().size() > 1)
            clashes.append(QStringLiteral("%1%2: %3")
                               .arg(where, it.key(), it.value().join(QStringLiteral(", "))));
}

} // namespace AcceleratorCheckDetail

// The keys that more than one visible control or action of window answers:
// mnemonics of buttons, check boxes, labels with a buddy, group boxes, tabs
// and menu bar items, and the shortcuts of actions; and, within each menu of
// the window (or window itself when it is a menu), the letters of its items.
// One line per clash, "Alt+D: "Default cost" (Label3), "Add" (btnAddT)";
// empty when there is none. Show the window (and the tab to check) first:
// controls hidden in another tab page answer no key.
inline QStringList duplicateAccelerators(QWidget *window)
{
    using namespace AcceleratorCheckDetail;
    QStringList clashes;
    if (auto *menu = qobject_cast<QMenu *>(window)) {
        Scope items;
        addMenuItems(items, menu);
        report(QString(), items, clashes);
        return clashes;
    }
    Scope keys;
    addActions(keys, window);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            // A menu of another window (an open dialog) is that window's.
            if (menu->parentWidget() && menu->parentWidget()->window() != window)
                continue;
            Scope items;
            addMenuItems(items, menu);
            report(QStringLiteral("menu \"%1\": ").arg(menu->title().remove(QLatin1Char('&'))),
                   items, clashes);
            continue;
        }
        if (widget->window() != window || !widget->isVisibleTo(window))
            continue;
        addActions(keys, widget);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            addMnemonic(keys, button, button->text());
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            addMnemonic(keys, label, label->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            addMnemonic(keys, group, group->title());
        else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    addMnemonic(keys, tabs, tabs->tabText(i));
        } else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            for (const QAction *action : bar->actions())
                if (action->isVisible())
                    addMnemonic(keys, action, action->text());
        }
    }
    report(QString(), keys, clashes);
    return clashes;
}
