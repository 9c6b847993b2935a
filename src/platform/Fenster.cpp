// Top-level windows on X11, read through a connection of our own to the display in
// DISPLAY: X errors about windows that vanish while we read them stay on it and never
// reach Qt's connection, and nothing is left behind when it closes.
#include "Fenster.h"

#include "Zeichensatz.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace senvio {
namespace {

struct Freigabe {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Antwort = std::unique_ptr<T, Freigabe>;

constexpr std::uint32_t WmStateIconic = 3;

// One connection for one search or close request. It makes a last round trip before
// it closes, so the server has handled every request we sent when we return.
struct XSitzung {
    xcb_connection_t* c = nullptr;
    xcb_ewmh_connection_t ewmh{};
    int bildschirm = 0;
    xcb_window_t wurzel = XCB_NONE;
    xcb_atom_t wmState = XCB_NONE;
    xcb_atom_t wmDeleteWindow = XCB_NONE;
    bool atome = false;
    bool bereit = false;

    XSitzung() {
        c = xcb_connect(nullptr, &bildschirm);
        if (xcb_connection_has_error(c))
            return;
        atome = xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(c, &ewmh), nullptr) != 0;
        bereit = atome && bildschirm < ewmh.nb_screens;
        if (!bereit)
            return;
        wurzel = ewmh.screens[bildschirm]->root;
        const auto stateKeks = xcb_intern_atom(c, 0, 8, "WM_STATE");
        const auto loeschKeks = xcb_intern_atom(c, 0, 16, "WM_DELETE_WINDOW");
        wmState = Atom(stateKeks);
        wmDeleteWindow = Atom(loeschKeks);
    }
    ~XSitzung() {
        if (bereit)
            std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        if (atome)
            xcb_ewmh_connection_wipe(&ewmh);
        xcb_disconnect(c);
    }
    XSitzung(const XSitzung&) = delete;
    XSitzung& operator=(const XSitzung&) = delete;

    xcb_atom_t Atom(xcb_intern_atom_cookie_t keks) const {
        const Antwort<xcb_intern_atom_reply_t> antwort(xcb_intern_atom_reply(c, keks, nullptr));
        return antwort ? antwort->atom : XCB_NONE;
    }
    // A reply of nullptr also stands for a window that is gone: its error is dropped.
    Antwort<xcb_get_property_reply_t> Eigenschaft(xcb_window_t fenster, xcb_atom_t name, xcb_atom_t typ,
                                                  std::uint32_t laenge) const {
        return Antwort<xcb_get_property_reply_t>(
            xcb_get_property_reply(c, xcb_get_property(c, 0, fenster, name, typ, 0, laenge), nullptr));
    }
};

// A window found: the client window that carries the title, and the top-level window
// that holds it (itself, or the frame of a reparenting window manager).
struct Kandidat {
    xcb_window_t fenster;
    xcb_window_t oberstes;
};

// A window manager that has gone leaves a check property pointing to a window that
// no longer exists or no longer points to itself.
bool HatEwmhVerwalter(XSitzung& x) {
    xcb_window_t pruef = XCB_NONE;
    xcb_window_t selbst = XCB_NONE;
    return xcb_ewmh_get_supporting_wm_check_reply(&x.ewmh, xcb_ewmh_get_supporting_wm_check(&x.ewmh, x.wurzel), &pruef,
                                                  nullptr) &&
           xcb_ewmh_get_supporting_wm_check_reply(&x.ewmh, xcb_ewmh_get_supporting_wm_check(&x.ewmh, pruef), &selbst,
                                                  nullptr) &&
           selbst == pruef;
}

std::optional<std::uint32_t> LeseWmState(const XSitzung& x, xcb_window_t fenster) {
    const auto antwort = x.Eigenschaft(fenster, x.wmState, x.wmState, 1);
    if (!antwort || antwort->format != 32 || xcb_get_property_value_length(antwort.get()) < 4)
        return std::nullopt;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(antwort.get()));
}

bool IstMinimiert(XSitzung& x, xcb_window_t fenster) {
    if (LeseWmState(x, fenster) == WmStateIconic)
        return true;
    xcb_ewmh_get_atoms_reply_t zustand;
    if (!xcb_ewmh_get_wm_state_reply(&x.ewmh, xcb_ewmh_get_wm_state(&x.ewmh, fenster), &zustand, nullptr))
        return false;
    bool versteckt = false;
    for (std::uint32_t i = 0; i < zustand.atoms_len; ++i)
        versteckt = versteckt || zustand.atoms[i] == x.ewmh._NET_WM_STATE_HIDDEN;
    xcb_ewmh_get_atoms_reply_wipe(&zustand);
    return versteckt;
}

// _NET_WM_NAME in UTF-8 when set, else WM_NAME as 8-bit bytes. Only the start of a
// title is compared, so 4 KiB of it are plenty.
QString LeseTitel(XSitzung& x, xcb_window_t fenster) {
    xcb_ewmh_get_utf8_strings_reply_t name;
    if (xcb_ewmh_get_wm_name_reply(&x.ewmh, xcb_ewmh_get_wm_name(&x.ewmh, fenster), &name, nullptr)) {
        const QString titel = QString::fromUtf8(name.strings, name.strings_len);
        xcb_ewmh_get_utf8_strings_reply_wipe(&name);
        if (!titel.isEmpty())
            return titel;
    }
    const auto alt = x.Eigenschaft(fenster, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 1024);
    if (!alt || alt->format != 8)
        return {};
    return VonWindows1252(static_cast<const char*>(xcb_get_property_value(alt.get())),
                          xcb_get_property_value_length(alt.get()));
}

// The window manager's stacking list, topmost first; nothing when it keeps none.
std::optional<std::vector<Kandidat>> LeseStapel(XSitzung& x) {
    xcb_ewmh_get_windows_reply_t liste;
    if (!xcb_ewmh_get_client_list_stacking_reply(&x.ewmh, xcb_ewmh_get_client_list_stacking(&x.ewmh, x.bildschirm),
                                                 &liste, nullptr))
        return std::nullopt;
    std::vector<Kandidat> kandidaten;
    for (std::uint32_t i = liste.windows_len; i-- > 0;)
        kandidaten.push_back({liste.windows[i], liste.windows[i]});
    xcb_ewmh_get_windows_reply_wipe(&liste);
    return kandidaten;
}

// The window itself, unless it is the frame of a reparenting window manager: then its
// child that carries WM_STATE. One level deep is all such managers use.
xcb_window_t Klientenfenster(XSitzung& x, xcb_window_t oberstes) {
    if (LeseWmState(x, oberstes))
        return oberstes;
    const Antwort<xcb_query_tree_reply_t> baum(xcb_query_tree_reply(x.c, xcb_query_tree(x.c, oberstes), nullptr));
    if (!baum)
        return oberstes;
    const xcb_window_t* kinder = xcb_query_tree_children(baum.get());
    for (int i = 0; i < xcb_query_tree_children_length(baum.get()); ++i)
        if (LeseWmState(x, kinder[i]))
            return kinder[i];
    return oberstes;
}

bool IstSichtbar(XSitzung& x, xcb_window_t fenster) {
    const Antwort<xcb_get_window_attributes_reply_t> attribute(
        xcb_get_window_attributes_reply(x.c, xcb_get_window_attributes(x.c, fenster), nullptr));
    return attribute && attribute->map_state == XCB_MAP_STATE_VIEWABLE;
}

// Without a stacking list: the root's children, which the server lists bottom first.
// A window counts when it is shown, or minimised by a window manager of the old kind.
std::vector<Kandidat> LeseBaum(XSitzung& x) {
    const Antwort<xcb_query_tree_reply_t> baum(xcb_query_tree_reply(x.c, xcb_query_tree(x.c, x.wurzel), nullptr));
    std::vector<Kandidat> kandidaten;
    if (!baum)
        return kandidaten;
    const xcb_window_t* kinder = xcb_query_tree_children(baum.get());
    for (int i = xcb_query_tree_children_length(baum.get()); i-- > 0;) {
        const xcb_window_t klient = Klientenfenster(x, kinder[i]);
        if (IstSichtbar(x, kinder[i]) || LeseWmState(x, klient) == WmStateIconic)
            kandidaten.push_back({klient, kinder[i]});
    }
    return kandidaten;
}

// A window manager activates on request; without one we raise the window ourselves.
// A minimised window is mapped again, which its manager takes as a wish to restore it.
void HoleNachVorn(XSitzung& x, const Kandidat& kandidat, bool mitVerwalter) {
    if (mitVerwalter) {
        xcb_ewmh_request_change_active_window(&x.ewmh, x.bildschirm, kandidat.fenster,
                                              XCB_EWMH_CLIENT_SOURCE_TYPE_NORMAL, XCB_CURRENT_TIME, XCB_NONE);
    } else {
        const std::uint32_t oben = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(x.c, kandidat.oberstes, XCB_CONFIG_WINDOW_STACK_MODE, &oben);
    }
    if (IstMinimiert(x, kandidat.fenster))
        xcb_map_window(x.c, kandidat.fenster);
}

bool KenntLoeschen(XSitzung& x, xcb_window_t fenster) {
    const auto antwort = x.Eigenschaft(fenster, x.ewmh.WM_PROTOCOLS, XCB_ATOM_ATOM, 64);
    if (!antwort || antwort->format != 32)
        return false;
    const auto* protokolle = static_cast<const xcb_atom_t*>(xcb_get_property_value(antwort.get()));
    for (int i = 0; i < xcb_get_property_value_length(antwort.get()) / 4; ++i)
        if (protokolle[i] == x.wmDeleteWindow)
            return true;
    return false;
}

// The message a window's close button sends without a window manager in between.
void SendeLoeschen(XSitzung& x, xcb_window_t fenster) {
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = fenster;
    nachricht.type = x.ewmh.WM_PROTOCOLS;
    nachricht.data.data32[0] = x.wmDeleteWindow;
    nachricht.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x.c, 0, fenster, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&nachricht));
}

bool AufX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

Fensterkennung findfenster(const QString& suchtext) {
    if (suchtext.isEmpty() || !AufX11())
        return 0;
    XSitzung x;
    if (!x.bereit)
        return 0;
    const bool mitVerwalter = HatEwmhVerwalter(x);
    std::optional<std::vector<Kandidat>> kandidaten;
    if (mitVerwalter)
        kandidaten = LeseStapel(x);
    if (!kandidaten)
        kandidaten = LeseBaum(x);
    for (const Kandidat& kandidat : *kandidaten) {
        // A window gone since the list was read has no title and is passed over.
        if (LeseTitel(x, kandidat.fenster).startsWith(suchtext, Qt::CaseInsensitive)) {
            HoleNachVorn(x, kandidat, mitVerwalter);
            return kandidat.fenster;
        }
    }
    return 0;
}

void SchliesseFenster(Fensterkennung fenster) {
    if (fenster == 0 || !AufX11())
        return;
    XSitzung x;
    if (!x.bereit)
        return;
    if (HatEwmhVerwalter(x))
        xcb_ewmh_request_close_window(&x.ewmh, x.bildschirm, fenster, XCB_CURRENT_TIME,
                                      XCB_EWMH_CLIENT_SOURCE_TYPE_NORMAL);
    else if (KenntLoeschen(x, fenster))
        SendeLoeschen(x, fenster);
}

} // namespace senvio
