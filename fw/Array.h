// CArray, CStringArray and CMap: the familiar container names over the
// standard library. Indexing out of range throws std::out_of_range instead of
// reading past the end.
#pragma once

#include "StringT.h"

#include <map>
#include <vector>

template <typename T, typename ARG_T = const T&>
class CArray {
public:
    int GetSize() const { return (int)m_v.size(); }
    int GetCount() const { return (int)m_v.size(); }
    int GetUpperBound() const { return (int)m_v.size() - 1; }
    bool IsEmpty() const { return m_v.empty(); }
    void SetSize(int size) { m_v.resize(size > 0 ? (size_t)size : 0); }

    T& ElementAt(int i) { return m_v.at((size_t)i); }
    const T& GetAt(int i) const { return m_v.at((size_t)i); }
    void SetAt(int i, ARG_T value) { m_v.at((size_t)i) = value; }
    T& operator[](int i) { return m_v.at((size_t)i); }
    const T& operator[](int i) const { return m_v.at((size_t)i); }
    T* GetData() { return m_v.data(); }
    const T* GetData() const { return m_v.data(); }

    int Add(ARG_T value) { m_v.push_back(value); return (int)m_v.size() - 1; }
    // A record handed over is moved in rather than copied.
    template <typename U = T, typename = typename std::enable_if<std::is_same<ARG_T, const U&>::value>::type>
    int Add(U&& value) {
        m_v.push_back(std::move(value));
        return (int)m_v.size() - 1;
    }
    void SetAtGrow(int i, ARG_T value) {
        if (i >= GetSize()) SetSize(i + 1);
        m_v.at((size_t)i) = value;
    }
    void InsertAt(int i, ARG_T value, int count = 1) {
        if (i < 0) i = 0;
        if (i > GetSize()) SetSize(i);
        m_v.insert(m_v.begin() + i, (size_t)(count > 0 ? count : 0), value);
    }
    void RemoveAt(int i, int count = 1) {
        if (i < 0 || count <= 0 || i >= GetSize()) return;
        size_t end = std::min(m_v.size(), (size_t)i + (size_t)count);
        m_v.erase(m_v.begin() + i, m_v.begin() + (ptrdiff_t)end);
    }
    void RemoveAll() { m_v.clear(); }
    int Append(const CArray& other) {
        int first = GetSize();
        m_v.insert(m_v.end(), other.m_v.begin(), other.m_v.end());
        return first;
    }
    void Copy(const CArray& other) { m_v = other.m_v; }

    typename std::vector<T>::iterator begin() { return m_v.begin(); }
    typename std::vector<T>::iterator end() { return m_v.end(); }
    typename std::vector<T>::const_iterator begin() const { return m_v.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_v.end(); }
    std::vector<T>& vec() { return m_v; }
    const std::vector<T>& vec() const { return m_v; }

private:
    std::vector<T> m_v;
};

typedef CArray<CString> CStringArray;
typedef CArray<DWORD> CDWordArray;
typedef CArray<UINT> CUIntArray;

template <typename K, typename V>
class CMap {
public:
    bool Lookup(const K& key, V& value) const {
        auto it = m_m.find(key);
        if (it == m_m.end()) return false;
        value = it->second;
        return true;
    }
    void SetAt(const K& key, const V& value) { m_m[key] = value; }
    V& operator[](const K& key) { return m_m[key]; }
    bool RemoveKey(const K& key) { return m_m.erase(key) > 0; }
    void RemoveAll() { m_m.clear(); }
    int GetCount() const { return (int)m_m.size(); }
    bool IsEmpty() const { return m_m.empty(); }
    typename std::map<K, V>::const_iterator begin() const { return m_m.begin(); }
    typename std::map<K, V>::const_iterator end() const { return m_m.end(); }

private:
    std::map<K, V> m_m;
};
