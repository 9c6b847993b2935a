#pragma once

#include <QtGlobal>

// The cache folder as this program sees it: its packs read into the index, the packs other
// programs wrote taken in, and the folder kept under its cap. Each is called with the lock held.
namespace senvio {

struct Zustand;

// True when the folder may be used: missing (it is made 0700), or a folder (not a link) of
// this user that no one else may write, tightened to 0700. Otherwise the cache stays off for
// the run, with a note on standard error.
bool OrdnerGehoertUns(const Zustand& z);
// The packs in order, the newest last, so that a picture written again wins over an older copy.
void BaueIndex(Zustand& z);
// Takes in the packs that came and drops those that went; removes the packs being written by
// processes that ended without closing them.
void LiesOrdner(Zustand& z);
// On a miss: packs other programs wrote meanwhile, looked for at most once a second.
void PruefeOrdner(Zustand& z);
// Deletes the packs used longest ago until the folder holds at most three quarters of
// `grenze`; pictures of the first version's layout and packs left by a crash go as well.
void Raeume(Zustand& z, qint64 grenze);

} // namespace senvio
