#pragma once
// A disk that fills up: while a FullDisk is in force, the database files opened from then
// on (not their journals) may grow by `room` bytes between them, and a write that would
// take them further fails as a write to a full disk does. What was written before stays.

#include <QtGlobal>

struct sqlite3_vfs;

namespace testsupport {

class FullDisk {
 public:
  explicit FullDisk(qint64 room);
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  // Whether a write has been refused for want of room.
  bool Filled() const;
  // Room left.
  qint64 Room() const;

 private:
  sqlite3_vfs* vfs_;
};

}  // namespace testsupport
