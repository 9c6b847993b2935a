#pragma once

#include "dokument/Quellendatei.h"
#include "empfang/Empfaenger.h"

// The box a list was fetched from, as its sources file remembers it, for the window and
// senvio-import alike.
namespace senvio {

// The list's choice with the box of the fetch: the address as typed, the kind and the
// tvheadend way that answered, the user name; never the password. Without a fetch, as it is.
Quellenwahl MitReceiver(Quellenwahl wahl, const Receiverabruf* abruf);

// The box an update fetches from: the remembered address, kind and user, asked the way the
// list came first.
Empfangsziel ZielDesReceivers(const GemerkterReceiver& receiver);

} // namespace senvio
