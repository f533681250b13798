#include "StoreReport.h"

#include "settings/JsonFile.h"

#include <QDir>

#include <exception>

bool StoreReport::run(const QString &path, const std::function<QString()> &update, const QString &failure)
{
    try {
        const QString copy = update();
        m_failureTold = false;
        if (!copy.isEmpty())
            m_tell(JsonFile::setAsideText(path, copy));
        return true;
    } catch (const std::exception &e) {
        if (!m_failureTold) {
            m_failureTold = true;
            m_tell(failure.arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
        }
        return false;
    }
}
