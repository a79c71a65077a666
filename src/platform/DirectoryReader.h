#pragma once

#include <dirent.h>

#include <vector>

#include "platform/FileSystem.h"

namespace kav {

// Reads every entry of the open directory `handle` ("." and ".." left out) and appends them
// to `out` in the order the system gives them; returns 0, or the errno value of a failing
// readdir (ECANCELED when `poll` stopped it), and then appends nothing. readdir() gives NULL
// both at the end and on an error; only errno tells them apart.
//
// Each entry whose kind the listing does not settle is stated (DescribeEntry): `namesOnly`
// takes a regular file's or a special file's kind from the listing and states only links and
// entries of unknown kind; otherwise every entry but a directory is stated. Looking a name
// up is most of a listing's cost, and it waits on nothing but the processor, so with
// `helped` a second thread states the entries already read while this one reads on, and the
// two share what is left at the end; each entry is written by one thread at a time.
int ReadDirectoryEntries(DIR* handle, std::vector<DirEntry>& out, const ListPoll& poll,
                         bool namesOnly, bool helped);

}  // namespace kav
