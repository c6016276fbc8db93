#pragma once
// The keyed collection the reference collections are built on: items in
// insertion order at 1-based positions, each with an optional text key
// unique within the collection. Keys compare without regard to case ("e5"
// and "E5" are one key) but otherwise exactly ("e05" is another key).
// Items are shared: what Item returns is the object that was added.
// Absent positions or keys throw platform::Error 5, a repeated key 457.

#include "platform/errors/Error.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

template <typename T> class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;
    using const_iterator = typename std::vector<Ptr>::const_iterator;

    Ptr Item(std::int32_t position) const { return m_items[index(position)]; }
    Ptr Item(const QString& key) const
    {
        const auto it = m_byKey.constFind(fold(key));
        if (it == m_byKey.constEnd()) throw platform::RuntimeError(platform::ErrInvalidCall);
        return it.value();
    }

    std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }

    void Remove(std::int32_t position) { erase(index(position)); }
    void Remove(const QString& key)
    {
        const QString k = fold(key);
        if (key.isEmpty() || !m_byKey.contains(k)) throw platform::RuntimeError(platform::ErrInvalidCall);
        std::size_t i = 0;
        while (m_keys[i] != k) ++i;
        erase(i);
    }

    // In order of addition (the enumerator of For Each).
    const_iterator begin() const { return m_items.cbegin(); }
    const_iterator end() const { return m_items.cend(); }

protected:
    // Appends under key, or without a key when it is empty.
    Ptr Append(Ptr item, const QString& key)
    {
        const QString k = fold(key);
        if (!key.isEmpty()) {
            if (m_byKey.contains(k)) throw platform::RuntimeError(platform::ErrDuplicateKey);
            m_byKey.insert(k, item);
        }
        m_items.push_back(item);
        m_keys.push_back(k);
        return item;
    }

    void Clear()
    {
        m_items.clear();
        m_keys.clear();
        m_byKey.clear();
    }

private:
    static QString fold(const QString& key) { return key.toCaseFolded(); }

    std::size_t index(std::int32_t position) const
    {
        if (position < 1 || position > Count()) throw platform::RuntimeError(platform::ErrInvalidCall);
        return static_cast<std::size_t>(position - 1);
    }

    void erase(std::size_t i)
    {
        if (!m_keys[i].isEmpty()) m_byKey.remove(m_keys[i]);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
        m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(i));
    }

    std::vector<Ptr> m_items;
    std::vector<QString> m_keys;  // folded; empty for an item without a key
    QHash<QString, Ptr> m_byKey;
};
