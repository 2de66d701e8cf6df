// The layouts are resources only; this file gives their library a translation unit of its own.
namespace kartella::forms {
int layoutResourcesVersion() {
    return 1;
}
} // namespace kartella::forms
