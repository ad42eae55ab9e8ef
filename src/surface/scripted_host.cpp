#include "surface/scripted_host.h"

namespace quill {

namespace {

template <typename T> T takeFront(std::deque<T> &queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

int ScriptedHost::messageBox(const QString &text, MessageButtons buttons, const QString &title)
{
    messages.push_back({text, buttons, title});
    const int unanswered = buttons == MessageButtons::YesNo               ? kAnswerNo
                           : buttons == MessageButtons::SaveDiscardCancel ? kAnswerCancel
                                                                          : kAnswerOk;
    return takeFront(messageAnswers, unanswered);
}

QString ScriptedHost::inputBox(const QString &prompt, const QString &, const QString &)
{
    inputPrompts.push_back(prompt);
    return takeFront(inputAnswers, QString());
}

FileChoice ScriptedHost::openFileDialog(const QString &filter, const QString &)
{
    openFilters.push_back(filter);
    return takeFront(openAnswers, FileChoice{});
}

FileChoice ScriptedHost::saveFileDialog(const QString &filter, const QString &)
{
    saveFilters.push_back(filter);
    return takeFront(saveAnswers, FileChoice{});
}

std::optional<Colour> ScriptedHost::colourDialog(Colour initial)
{
    colourDialogStarts.push_back(initial);
    return takeFront(colourAnswers, std::optional<Colour>{});
}

QImage ScriptedHost::grabScreen(const QRect &area)
{
    if (screen.isNull())
        return {};
    return screen.copy(area);
}

QRect ScriptedHost::screenGeometry() { return screen.isNull() ? QRect(0, 0, 1280, 1024) : screen.rect(); }

} // namespace quill
