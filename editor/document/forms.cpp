#include "document/forms.h"

namespace tgx {

Forms::Forms(Prompts &prompts, const FileStore &store)
    : m_guard(prompts)
    , A0(prompts, m_guard, store)
    , A1(A0, m_guard, prompts, A0.lines())
    , A2(A0, m_guard)
    , A3(A0, m_guard)
    , A4(A0, m_guard, prompts, A0.lines(), A0)
    , A5(A0, m_guard, prompts, A0.lines(), A0)
    , A6(A0, m_guard, prompts, A0.lines(), [this]() -> const GraphContent & { return A0.lineGraph(); })
{
    A0.setForms(&A1, &A2, &A3, &A4, &A5);
    A0.setPrintPreview(&A6);
}

} // namespace tgx
