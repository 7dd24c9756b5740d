// The pump for asynchronous event sources. A source that pumps again from its own update
// would recurse without end, so the pump notes which source it is serving and refuses to
// re-enter while it does.
#include "host/async_events.h"

c_Stack3* zr_asyncevent__sources = nullptr;
c_IAsyncEventSource* zr_asyncevent__current = nullptr;

namespace {
gc_root asyncRoots([] {
  gc_mark_q(zr_asyncevent__sources);
  gc_mark_q(zr_asyncevent__current);
});
}  // namespace

void zr_asyncevent_UpdateAsyncEvents() {
  if (zr_asyncevent__current || !zr_asyncevent__sources) return;
  for (int i = 0; i < zr_asyncevent__sources->p_Length2(); ++i) {
    zr_asyncevent__current = zr_asyncevent__sources->p_Get(i);
    zr_asyncevent__current->p_UpdateAsyncEvents();
  }
  zr_asyncevent__current = nullptr;
}
