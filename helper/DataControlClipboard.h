#pragma once

#include <QByteArray>
#include <QList>

#include <chrono>
#include <functional>
#include <optional>
#include <utility>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwlr_data_control_device_v1;
struct zwlr_data_control_manager_v1;
struct zwlr_data_control_offer_v1;
struct zwlr_data_control_source_v1;

// The Wayland clipboard for a program without a window, through the
// compositor's data-control protocol (wlroots compositors such as sway,
// and KDE's KWin), which lets a client set the selection without an input
// serial, learn when it is replaced, and clear it. tessellon-clipboard
// serves its copies this way on Wayland; a compositor without the protocol
// (GNOME's) ignores a selection set without the focus, so there the copy is
// refused rather than reported. Only the clipboard, never the primary
// selection. Blocking calls, on one thread.
class DataControlClipboard
{
public:
    enum class Failure {
        NoCompositor, // no Wayland display to connect to
        NotOffered,   // the compositor has no data-control manager, or no seat
        Refused,      // the compositor ended the connection or dropped the copy
    };

    // Connects to the compositor that WAYLAND_DISPLAY names.
    DataControlClipboard();
    ~DataControlClipboard();
    DataControlClipboard(const DataControlClipboard &) = delete;
    DataControlClipboard &operator=(const DataControlClipboard &) = delete;

    // Why the clipboard cannot be used, if it cannot.
    std::optional<Failure> failure() const { return m_failure; }

    // Makes one item the selection: the typed values first, in order, then
    // the text as UTF-8 under each text type. The text is held until this
    // object goes, and wiped then. Returns once the compositor has it, or
    // why it has not.
    using TypedValue = std::pair<QByteArray, QByteArray>;
    std::optional<Failure> copy(const QList<TypedValue> &markers, QByteArray text);

    // Serves each paste until another program's selection replaces ours or
    // the compositor goes away. Given a deadline on the clock, clears the
    // selection then, if it is still ours, and returns. The clock counts
    // through sleep; the deadline is checked at least once a second.
    using Clock = std::function<std::chrono::nanoseconds()>;
    void serve(std::optional<std::chrono::nanoseconds> deadline, const Clock &clock);

private:
    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface,
                       uint32_t version);
    static void globalRemoved(void *data, wl_registry *registry, uint32_t name);
    static void dataOffer(void *data, zwlr_data_control_device_v1 *device,
                          zwlr_data_control_offer_v1 *offer);
    static void selection(void *data, zwlr_data_control_device_v1 *device,
                          zwlr_data_control_offer_v1 *offer);
    static void finished(void *data, zwlr_data_control_device_v1 *device);
    static void send(void *data, zwlr_data_control_source_v1 *source, const char *type, int32_t fd);
    static void cancelled(void *data, zwlr_data_control_source_v1 *source);

    bool dispatchFor(std::chrono::milliseconds timeout);
    void clearIfOurs();
    bool isServing() const { return m_source && !m_lost; }

    std::optional<Failure> m_failure;
    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_seat *m_seat = nullptr;
    zwlr_data_control_manager_v1 *m_manager = nullptr;
    zwlr_data_control_device_v1 *m_device = nullptr;
    zwlr_data_control_source_v1 *m_source = nullptr;
    zwlr_data_control_offer_v1 *m_offer = nullptr; // the selection as last announced
    QList<TypedValue> m_markers;
    QByteArray m_text;
    bool m_lost = false; // our source was cancelled, or the device or compositor went away
};
