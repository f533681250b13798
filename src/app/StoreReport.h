#pragma once

#include <QString>

#include <functional>

// What the player hears of a file beside the record that a keeper changes
// (Results.json, Preferences.json): a file that could not be read whole and
// was kept aside, each time; a failure to store, once, until a store
// succeeds again, so a full disk does not raise a box at every win.
class StoreReport
{
public:
    using Tell = std::function<void(const QString &text)>;

    explicit StoreReport(Tell tell) : m_tell(std::move(tell)) {}

    // Runs update, which returns the path of the copy it kept aside (empty
    // when none). On a failure, failure is told with the file's path as %1
    // and the reason as %2. True when the file was stored.
    bool run(const QString &path, const std::function<QString()> &update, const QString &failure);

private:
    Tell m_tell;
    bool m_failureTold = false;
};
