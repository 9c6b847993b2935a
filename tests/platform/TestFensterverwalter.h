#pragma once

// A stand-in window manager on the test's X server (DISPLAY), on a connection of its own:
// it creates titled windows; as an EWMH manager it keeps the stacking list and receives
// what clients ask of the root, else only messages sent to its own windows.

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace senvio::test {

class TestFensterverwalter {
public:
    // A client message by its type's name and first three values, or "MapRequest" and "ConfigureRequest".
    struct Anfrage {
        std::string art;
        xcb_window_t fenster = XCB_NONE;
        std::array<std::uint32_t, 3> daten{};
        bool operator==(const Anfrage&) const = default;
    };

    explicit TestFensterverwalter(bool alsEwmhVerwalter) : m_verwalter(alsEwmhVerwalter) {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c) ||
            !xcb_ewmh_init_atoms_replies(&m_ewmh, xcb_ewmh_init_atoms(m_c, &m_ewmh), nullptr)) {
            ADD_FAILURE() << "keine Verbindung zum X-Server in DISPLAY";
            return;
        }
        m_wurzel = m_ewmh.screens[0]->root;
        if (!m_verwalter)
            return;
        const std::uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        if (xcb_generic_error_t* fehler = xcb_request_check(
                m_c, xcb_change_window_attributes_checked(m_c, m_wurzel, XCB_CW_EVENT_MASK, &maske))) {
            ADD_FAILURE() << "ein anderer Fensterverwalter läuft schon";
            std::free(fehler);
        }
        const xcb_window_t pruef = ErzeugeFenster("Testverwalter");
        xcb_ewmh_set_supporting_wm_check(&m_ewmh, m_wurzel, pruef);
        xcb_ewmh_set_supporting_wm_check(&m_ewmh, pruef, pruef);
        Synchronisiere();
    }

    ~TestFensterverwalter() {
        if (m_wurzel != XCB_NONE) {
            const std::uint32_t keine = XCB_EVENT_MASK_NO_EVENT;
            if (m_verwalter)
                xcb_change_window_attributes(m_c, m_wurzel, XCB_CW_EVENT_MASK, &keine);
            xcb_delete_property(m_c, m_wurzel, m_ewmh._NET_SUPPORTING_WM_CHECK);
            xcb_delete_property(m_c, m_wurzel, m_ewmh._NET_CLIENT_LIST_STACKING);
            for (const xcb_window_t fenster : m_fenster)
                xcb_destroy_window(m_c, fenster);
            Synchronisiere();
            xcb_ewmh_connection_wipe(&m_ewmh);
        }
        xcb_disconnect(m_c);
    }
    TestFensterverwalter(const TestFensterverwalter&) = delete;
    TestFensterverwalter& operator=(const TestFensterverwalter&) = delete;

    // A top-level window, unmapped unless shown; an empty title is left unset. WM_NAME holds bytes.
    xcb_window_t ErzeugeFenster(std::string_view netWmName, std::string_view wmName = {}, bool zeigen = false) {
        const xcb_window_t fenster = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, fenster, m_wurzel, 0, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, m_ewmh.screens[0]->root_visual, 0, nullptr);
        if (!netWmName.empty())
            xcb_ewmh_set_wm_name(&m_ewmh, fenster, netWmName.size(), netWmName.data());
        if (!wmName.empty())
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, fenster, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                                wmName.size(), wmName.data());
        if (zeigen)
            xcb_map_window(m_c, fenster);
        m_fenster.push_back(fenster);
        Synchronisiere();
        return fenster;
    }

    void SetzeStapel(std::vector<xcb_window_t> vonUntenNachOben) {
        xcb_ewmh_set_client_list_stacking(&m_ewmh, 0, vonUntenNachOben.size(), vonUntenNachOben.data());
        Synchronisiere();
    }

    // A property holding a list of atoms, such as WM_PROTOCOLS or _NET_WM_STATE.
    void SetzeAtome(xcb_window_t fenster, const char* eigenschaft, const std::vector<const char*>& namen) {
        std::vector<xcb_atom_t> atome;
        for (const char* name : namen)
            atome.push_back(Atom(name));
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, fenster, Atom(eigenschaft), XCB_ATOM_ATOM, 32, atome.size(),
                            atome.data());
        Synchronisiere();
    }

    std::vector<Anfrage> HoleAnfragen() {
        Synchronisiere();
        std::vector<Anfrage> anfragen;
        while (xcb_generic_event_t* ereignis = xcb_poll_for_queued_event(m_c)) {
            const std::uint8_t art = ereignis->response_type & 0x7f;
            if (art == XCB_CLIENT_MESSAGE) {
                const auto* n = reinterpret_cast<const xcb_client_message_event_t*>(ereignis);
                anfragen.push_back(
                    {AtomName(n->type), n->window, {n->data.data32[0], n->data.data32[1], n->data.data32[2]}});
            } else if (art == XCB_MAP_REQUEST || art == XCB_CONFIGURE_REQUEST) {
                // Both events hold the window at the same place.
                anfragen.push_back({art == XCB_MAP_REQUEST ? "MapRequest" : "ConfigureRequest",
                                    reinterpret_cast<const xcb_map_request_event_t*>(ereignis)->window,
                                    {}});
            }
            std::free(ereignis);
        }
        return anfragen;
    }

    xcb_atom_t Atom(const char* name) {
        const auto keks = xcb_intern_atom(m_c, 0, std::string_view(name).size(), name);
        xcb_intern_atom_reply_t* antwort = xcb_intern_atom_reply(m_c, keks, nullptr);
        const xcb_atom_t atom = antwort ? antwort->atom : XCB_NONE;
        std::free(antwort);
        return atom;
    }

    // The title a window manager shows: _NET_WM_NAME, UTF-8.
    std::string Titel(xcb_window_t fenster) {
        xcb_ewmh_get_utf8_strings_reply_t name;
        if (!xcb_ewmh_get_wm_name_reply(&m_ewmh, xcb_ewmh_get_wm_name(&m_ewmh, fenster), &name, nullptr))
            return "<keiner>";
        std::string titel(name.strings, name.strings_len);
        xcb_ewmh_get_utf8_strings_reply_wipe(&name);
        return titel;
    }

    xcb_connection_t* Verbindung() const { return m_c; }
    xcb_window_t Wurzel() const { return m_wurzel; }

private:
    void Synchronisiere() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

    std::string AtomName(xcb_atom_t atom) {
        xcb_get_atom_name_reply_t* antwort = xcb_get_atom_name_reply(m_c, xcb_get_atom_name(m_c, atom), nullptr);
        std::string name = antwort
                               ? std::string(xcb_get_atom_name_name(antwort), xcb_get_atom_name_name_length(antwort))
                               : std::string("?");
        std::free(antwort);
        return name;
    }

    bool m_verwalter;
    xcb_connection_t* m_c = nullptr;
    xcb_ewmh_connection_t m_ewmh{};
    xcb_window_t m_wurzel = XCB_NONE;
    std::vector<xcb_window_t> m_fenster;
};

} // namespace senvio::test
