// The address sanitizer keeps freed memory out of use for a while, so that a
// read through a dangling pointer meets poisoned bytes. Its default of 256 MB
// means that each input's few kilobytes land on pages never touched before:
// the page faults took a third of a settings run. 16 MB still holds what the
// last several hundred inputs freed, far longer than anything lives in one.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }
