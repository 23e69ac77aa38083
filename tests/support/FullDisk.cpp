#include "support/FullDisk.h"

#include <sqlite3.h>

#include <stdexcept>

namespace testsupport {
namespace {

struct Disk {
  sqlite3_vfs vfs{};
  sqlite3_vfs* real = nullptr;
  qint64 room = 0;
  bool filled = false;
};
Disk* g_disk = nullptr;  // the one in force

// Our file, then the real one right after it.
struct File {
  sqlite3_file base;
  sqlite3_file* real;
  bool counted;  // a database file: its growth takes room
};

sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }

int Close(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
int Read(sqlite3_file* f, void* buf, int amt, sqlite3_int64 offset) {
  return Real(f)->pMethods->xRead(Real(f), buf, amt, offset);
}
int Write(sqlite3_file* f, const void* buf, int amt, sqlite3_int64 offset) {
  File* file = reinterpret_cast<File*>(f);
  if (file->counted && g_disk) {
    sqlite3_int64 size = 0;
    const int rc = file->real->pMethods->xFileSize(file->real, &size);
    if (rc != SQLITE_OK) return rc;
    const qint64 growth = offset + amt - size;
    if (growth > 0) {
      if (growth > g_disk->room) {
        g_disk->filled = true;
        return SQLITE_FULL;
      }
      g_disk->room -= growth;
    }
  }
  return file->real->pMethods->xWrite(file->real, buf, amt, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) { return Real(f)->pMethods->xTruncate(Real(f), size); }
int Sync(sqlite3_file* f, int flags) { return Real(f)->pMethods->xSync(Real(f), flags); }
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); }
int Lock(sqlite3_file* f, int lock) { return Real(f)->pMethods->xLock(Real(f), lock); }
int Unlock(sqlite3_file* f, int lock) { return Real(f)->pMethods->xUnlock(Real(f), lock); }
int CheckReservedLock(sqlite3_file* f, int* out) { return Real(f)->pMethods->xCheckReservedLock(Real(f), out); }
int FileControl(sqlite3_file* f, int op, void* arg) { return Real(f)->pMethods->xFileControl(Real(f), op, arg); }
int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
int DeviceCharacteristics(sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); }
int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
  return Real(f)->pMethods->xShmMap(Real(f), page, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) { return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags); }
void ShmBarrier(sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); }
int ShmUnmap(sqlite3_file* f, int deleting) { return Real(f)->pMethods->xShmUnmap(Real(f), deleting); }
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int amt, void** out) {
  return Real(f)->pMethods->xFetch(Real(f), offset, amt, out);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* p) { return Real(f)->pMethods->xUnfetch(Real(f), offset, p); }

const sqlite3_io_methods kMethods = {3,         Close,         Read,        Write,     Truncate, Sync,
                                     FileSize,  Lock,          Unlock,      CheckReservedLock,
                                     FileControl, SectorSize,  DeviceCharacteristics,
                                     ShmMap,    ShmLock,       ShmBarrier,  ShmUnmap,  Fetch,    Unfetch};

int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  Disk* disk = static_cast<Disk*>(vfs->pAppData);
  File* file = reinterpret_cast<File*>(f);
  file->base.pMethods = nullptr;
  file->real = reinterpret_cast<sqlite3_file*>(file + 1);
  file->counted = (flags & SQLITE_OPEN_MAIN_DB) != 0;
  const int rc = disk->real->xOpen(disk->real, name, file->real, flags, outFlags);
  if (file->real->pMethods) file->base.pMethods = &kMethods;
  return rc;
}

int Delete(sqlite3_vfs* vfs, const char* name, int sync) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xDelete(real, name, sync);
}
int Access(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xAccess(real, name, flags, out);
}
int FullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xFullPathname(real, name, size, out);
}
int Randomness(sqlite3_vfs* vfs, int n, char* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xRandomness(real, n, out);
}
int Sleep(sqlite3_vfs* vfs, int us) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xSleep(real, us);
}
int CurrentTime(sqlite3_vfs* vfs, double* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xCurrentTime(real, out);
}
int GetLastError(sqlite3_vfs* vfs, int n, char* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xGetLastError ? real->xGetLastError(real, n, out) : 0;
}
int CurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out) {
  sqlite3_vfs* real = static_cast<Disk*>(vfs->pAppData)->real;
  return real->xCurrentTimeInt64(real, out);
}

}  // namespace

FullDisk::FullDisk(qint64 room) {
  if (g_disk) throw std::logic_error("one full disk at a time");
  auto* disk = new Disk;
  disk->real = sqlite3_vfs_find(nullptr);
  disk->room = room;
  sqlite3_vfs& v = disk->vfs;
  v.iVersion = 2;
  v.szOsFile = int(sizeof(File)) + disk->real->szOsFile;
  v.mxPathname = disk->real->mxPathname;
  v.zName = "velorast-full-disk";
  v.pAppData = disk;
  v.xOpen = Open;
  v.xDelete = Delete;
  v.xAccess = Access;
  v.xFullPathname = FullPathname;
  v.xRandomness = Randomness;
  v.xSleep = Sleep;
  v.xCurrentTime = CurrentTime;
  v.xGetLastError = GetLastError;
  v.xCurrentTimeInt64 = CurrentTimeInt64;
  g_disk = disk;
  vfs_ = &disk->vfs;
  sqlite3_vfs_register(vfs_, 1);
}

FullDisk::~FullDisk() {
  Disk* disk = static_cast<Disk*>(vfs_->pAppData);
  sqlite3_vfs_unregister(vfs_);
  sqlite3_vfs_register(disk->real, 1);  // the default again
  g_disk = nullptr;
  delete disk;  // every connection opened through it must be closed by now
}

bool FullDisk::Filled() const { return g_disk && g_disk->filled; }
qint64 FullDisk::Room() const { return g_disk ? g_disk->room : 0; }

}  // namespace testsupport
