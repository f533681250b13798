#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QMessageBox;

// The one plain message box of the program: modal, centred on the screen,
// captioned with the application title (wide enough to show it whole),
// word-wrapped text, one OK button and no icon. Tests put their own handler
// in its place.
class Messages
{
public:
    using Handler = std::function<void(const QString &)>;

    static void show(const QString &text);
    // The box that show() runs, built but not shown.
    static std::unique_ptr<QMessageBox> makeBox(const QString &text);
    // Replaces the box; an empty handler brings the box back. Returns the
    // handler that was in place.
    static Handler setHandler(Handler handler);

    // Runs a handler body; an error that escapes it is shown in the box and
    // the program goes on.
    template<class F> static void guard(F &&body)
    {
        try {
            body();
        } catch (const std::exception &e) {
            show(QString::fromUtf8(e.what()));
        }
    }
    // The body wrapped in guard(), to connect to a menu, button or timer.
    template<class F> static auto guarded(F body)
    {
        return [body = std::move(body)] { guard(body); };
    }
};
