// Sources of asynchronous events (loads, network replies) that do a little work once per
// update while registered. The game pumps them each update; this program registers none,
// so the pump finds the stack empty and does nothing.
#pragma once

#include "runtime/containers.h"

extern c_Stack3* zr_asyncevent__sources;
extern c_IAsyncEventSource* zr_asyncevent__current;

// Gives every registered source its update, in registration order. A call made from
// inside a source's update returns at once.
void zr_asyncevent_UpdateAsyncEvents();
