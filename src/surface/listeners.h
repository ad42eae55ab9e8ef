// Callbacks other objects subscribe to: the session's state, the document's
// layout, the undo store's buttons, the host's tray icon, the canvas's zoom
// point. A callback given an owner is dropped once that owner is destroyed, so
// a window that closes leaves nothing behind. Never calls a widget itself.
#pragma once

#include <QObject>
#include <QPointer>

#include <algorithm>
#include <functional>
#include <vector>

namespace quill {

template <typename... Args> class Listeners {
public:
    // owner == nullptr: the callback lives as long as the list.
    void add(std::function<void(Args...)> callback, const QObject *owner = nullptr)
    {
        entries_.push_back({std::move(callback), owner != nullptr, owner});
    }

    void notify(Args... args)
    {
        std::erase_if(entries_, [](const Entry &e) { return e.gone(); });
        // By index and by copy: a callback may open a window that subscribes,
        // or close one whose callback comes later.
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].gone())
                continue;
            const std::function<void(Args...)> callback = entries_[i].callback;
            callback(args...);
        }
    }

    bool empty() const
    {
        return std::none_of(entries_.begin(), entries_.end(), [](const Entry &e) { return !e.gone(); });
    }

private:
    struct Entry {
        std::function<void(Args...)> callback;
        bool owned = false;
        QPointer<const QObject> owner;
        bool gone() const { return owned && !owner; }
    };
    std::vector<Entry> entries_;
};

} // namespace quill
