#pragma once

#include <QString>

#include <functional>

namespace tgx {

class Prompts;

// Every handler runs its body through the one guard. A failure inside shows the
// handler's error text; guards nested in one another show their texts from the
// inside out, and the outermost then reports the failure's own description.
// The failure never goes further: the program waits for the next command, and
// what the handler did before the failure stays done.
class ErrorGuard {
public:
    explicit ErrorGuard(Prompts &prompts) : m_prompts(prompts) {}

    // For an event handler (a Qt event or signal): always the outermost guard,
    // since a failure must not unwind through Qt. True when body ran to its end.
    bool runHandler(const QString &errorText, const std::function<void()> &body);

    // For an operation that handlers call (a save): inside a handler's guard it
    // shows its text and passes the failure on; on its own it is the outermost.
    bool run(const QString &errorText, const std::function<void()> &body);

private:
    Prompts &m_prompts;
    int m_depth = 0; // guards running now
};

} // namespace tgx
