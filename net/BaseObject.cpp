#include "net/BaseObject.h"

void CBaseObject::Release() {
    if (--m_nRefCount <= 0) delete this;
}
