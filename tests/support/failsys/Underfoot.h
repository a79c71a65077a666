#pragma once

// Changes the fault library makes to the file system while the program works on it, as
// another program could:
//   FAILSYS_GROW=NAME          before the first read of NAME, 4096 bytes are appended to it
//   FAILSYS_SHRINK=NAME        before the first read of NAME, it is cut to one byte
//   FAILSYS_REPLACE=NAME:FILE  before the first read of NAME, FILE is renamed over it
//   FAILSYS_SWAP_DIR=NAME      when directory NAME is opened, it is moved to NAME.moved and a
//                              file takes its name
//   FAILSYS_SLOW_READDIR_US=N  every readdir() first sleeps N microseconds
// NAME matches a path that ends with "/NAME". Each change is made once.

namespace failsys {

void BeforeRead(const char* path);
void BeforeOpen(const char* path, int flags);
void BeforeReaddir();

}  // namespace failsys
