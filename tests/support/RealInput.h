#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

// Input as the window system delivers it: to a window, through the event
// loop, so that a window blocked by a modal one does not get it (QTest's
// widget overloads hand events to the widget and pass modality by).
namespace RealInput {

inline void type(QWindow *window, const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

inline void press(QWindow *window, Qt::Key key)
{
    QTest::keyClick(window, key);
}

inline void click(QWidget *widget)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

// Runs act on the window that front() returns once it is on screen (the code
// under test meanwhile waits in that window's own loop), then closes it if
// act left it open. Gives up after about 5 seconds.
inline void whenShown(std::function<QWidget *()> front, std::function<void(QWidget *)> act,
                      int attempts = 500)
{
    QTimer::singleShot(10, [front, act, attempts] {
        QWidget *window = front();
        if (window && window->windowHandle() && window->windowHandle()->isExposed()) {
            const QPointer<QWidget> guard(window);
            act(window);
            if (guard && guard->isVisible()) {
                if (auto *dialog = qobject_cast<QDialog *>(guard.data()))
                    dialog->reject();
                else
                    guard->close();
            }
            return;
        }
        if (attempts > 0)
            whenShown(front, act, attempts - 1);
    });
}

// The same for the application's modal window in front.
inline void whenModalShown(std::function<void(QWidget *)> act)
{
    whenShown([] { return QApplication::activeModalWidget(); }, act);
}

} // namespace RealInput
