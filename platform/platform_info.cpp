// The Qt implementations of what the editor needs from the platform live in this folder.
namespace zeva::platform {
int platformLayerVersion() {
    return 1;
}
} // namespace zeva::platform
