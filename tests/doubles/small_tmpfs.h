#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of a few pages of its own, mounted for one test on a fresh folder and unmounted
// when the object goes, so that a full disk can be met for real. Mounting needs root (or
// CAP_SYS_ADMIN); when it is refused, Mounted() is false and Why() says what happened.
class SmallTmpfs {
  public:
    explicit SmallTmpfs(int kilobytes);
    ~SmallTmpfs();
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& Why() const { return why_; }
    QString Path() const { return folder_.path(); }
    QString FilePath(const QString& name) const { return folder_.filePath(name); }

    // Fills every byte that is left with the file `name`; false if the disk never said it was
    // full.
    bool Fill(const QString& name);

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString why_;
};
