// Temporary wrapper objects for handles that no object of ours owns (a
// window of another class, the font a control uses, a submenu). They belong
// to the thread that asked for them and are deleted when its message loop
// next runs out of messages, so a pointer to one is good only for the
// handler that got it. The handles themselves are never destroyed here.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

namespace fwdetail {

// Deletes every temporary object of the calling thread.
void DeleteTempObjects();
void AddTempCleaner(void (*cleaner)());

template <class T>
class TempMap {
public:
    typedef void (*SetHandle)(T& object, void* handle);

    static T* Get(void* handle, SetHandle set) {
        if (!handle) return nullptr;
        auto& map = Map();
        auto it = map.find(handle);
        if (it != map.end()) return it->second.get();
        thread_local bool registered = false;
        if (!registered) {
            registered = true;
            AddTempCleaner(&Clear);
        }
        std::unique_ptr<T> object(new T());
        set(*object, handle);
        T* result = object.get();
        map.emplace(handle, Holder(object.release(), Releaser{set}));
        return result;
    }

    static void Clear() { Map().clear(); }

private:
    struct Releaser {
        SetHandle set;
        void operator()(T* object) const {
            set(*object, nullptr);  // detach first: the handle is not ours
            delete object;
        }
    };
    typedef std::unique_ptr<T, Releaser> Holder;
    static std::unordered_map<void*, Holder>& Map() {
        thread_local std::unordered_map<void*, Holder> map;
        return map;
    }
};

}  // namespace fwdetail
