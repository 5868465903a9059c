#include "document/error_guard.h"

#include "document/prompts.h"

#include <exception>
#include <utility>

namespace tgx {

namespace {

QString descriptionOf(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const std::exception &e) {
        return QString::fromStdString(e.what());
    } catch (...) {
        return QStringLiteral("Neznámá chyba.");
    }
}

} // namespace

bool ErrorGuard::run(const QString &errorText, const std::function<void()> &body)
{
    ++m_depth;
    try {
        body();
        --m_depth;
        return true;
    } catch (...) {
        --m_depth;
        m_prompts.inform(errorText);
        if (m_depth > 0)
            throw;
        m_prompts.reportError(descriptionOf(std::current_exception()));
        return false;
    }
}

bool ErrorGuard::runHandler(const QString &errorText, const std::function<void()> &body)
{
    const int outer = std::exchange(m_depth, 0);
    const bool done = run(errorText, body);
    m_depth = outer;
    return done;
}

} // namespace tgx
