#pragma once

#include <memory>

namespace Pemberquill {

// Lets whoever keeps a plain pointer to an object it does not own ask
// whether the object still lives. The token belongs to its object: a copy,
// a move or an object given another's state keeps a token of its own, so a
// watcher never mistakes a successor at the same address for the object it
// watched.
class LifetimeToken {
public:
    LifetimeToken() = default;
    LifetimeToken(const LifetimeToken& /*other*/) {}
    LifetimeToken& operator=(const LifetimeToken& /*other*/) { return *this; }

    // Expires when the token's object is destroyed. Most objects are never
    // watched, so the token is made on the first request.
    std::weak_ptr<const void> Watch()
    {
        if (m_alive == nullptr) {
            m_alive = std::make_shared<char>(0);
        }
        return m_alive;
    }

private:
    std::shared_ptr<const void> m_alive;
};

} // namespace Pemberquill
