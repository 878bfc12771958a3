#include "core/platform/linux/xkbkeymap.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>

namespace korvane::core {

namespace {

// XKB numbers keys as the kernel does, plus 8.
constexpr xkb_keycode_t cstEvdevOffset = 8;
// The device declares the keyboard keys below the button range only: a
// device with joystick buttons is not taken for a keyboard.
constexpr int cstLastKey = BTN_MISC - 1;

struct Modifier {
    const char* name;
    xkb_keysym_t key; // 0: locked modifiers cannot be pressed for a key
    int usualCode; // the real key that carries it, before any stand-in
};
constexpr Modifier cstModifiers[] = {
    { XKB_MOD_NAME_SHIFT, XKB_KEY_Shift_L, KEY_LEFTSHIFT },
    { XKB_MOD_NAME_CAPS, 0, 0 },
    { XKB_MOD_NAME_CTRL, XKB_KEY_Control_L, KEY_LEFTCTRL },
    { XKB_MOD_NAME_ALT, XKB_KEY_Alt_L, KEY_LEFTALT },
    { XKB_MOD_NAME_NUM, 0, 0 },
    { "Mod3", XKB_KEY_ISO_Level5_Shift, 0 },
    { XKB_MOD_NAME_LOGO, XKB_KEY_Super_L, KEY_LEFTMETA },
    // Layouts also put AltGr on a key no keyboard has (<LVL3>); the right Alt
    // key is the one every compositor's keymap surely knows.
    { "Mod5", XKB_KEY_ISO_Level3_Shift, KEY_RIGHTALT },
};

template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* pointer) const { Free(pointer); }
};
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap, xkb_keymap_unref>>;

struct Candidate {
    int code;
    xkb_mod_mask_t mask;
};

int bitCount(xkb_mod_mask_t mask)
{
    int count = 0;
    for (; mask; mask &= mask - 1)
        ++count;
    return count;
}

} // namespace

XkbKeyMap::XkbKeyMap(const KeyboardLayout& layout)
    : m_layout(layout)
{
    // The names are passed in full, so the library must not fill gaps from
    // the environment behind our back.
    Context context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!context) {
        m_error = "the XKB library could not start";
        return;
    }
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    const xkb_rule_names names = { "evdev", layout.model.empty() ? nullptr : layout.model.c_str(),
        layout.layout.c_str(), layout.variant.c_str(), layout.options.c_str() };
    Keymap keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        m_error = "the keyboard layout \"" + layout.describe() + "\" is unknown to XKB";
        return;
    }

    // Which kernel key presses each modifier a level asks for.
    std::map<unsigned long, Candidate> best;
    std::map<unsigned long, std::vector<int>> plain; // keysym → the keys that give it unmodified
    const auto consider = [&](xkb_keysym_t keysym, const Candidate& candidate) {
        if (candidate.mask == 0)
            plain[keysym].push_back(candidate.code);
        auto found = best.find(keysym);
        if (found == best.end() || bitCount(candidate.mask) < bitCount(found->second.mask))
            best[keysym] = candidate;
    };
    xkb_mod_mask_t unusable = 0;
    for (const Modifier& modifier : cstModifiers) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap.get(), modifier.name);
        if (modifier.key == 0 && index != XKB_MOD_INVALID)
            unusable |= 1u << index;
    }

    const xkb_keycode_t first = xkb_keymap_min_keycode(keymap.get());
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap.get());
    for (xkb_keycode_t keycode = first; keycode <= last; ++keycode) {
        const int code = static_cast<int>(keycode) - static_cast<int>(cstEvdevOffset);
        if (code <= 0 || code > cstLastKey
            || xkb_keymap_num_layouts_for_key(keymap.get(), keycode) == 0)
            continue;
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap.get(), keycode, 0);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t* syms = nullptr;
            const int count
                = xkb_keymap_key_get_syms_by_level(keymap.get(), keycode, 0, level, &syms);
            xkb_mod_mask_t masks[16];
            const size_t maskCount
                = xkb_keymap_key_get_mods_for_level(keymap.get(), keycode, 0, level, masks, 16);
            for (size_t m = 0; m < maskCount; ++m) {
                if (masks[m] & unusable)
                    continue;
                for (int s = 0; s < count; ++s)
                    consider(syms[s], { code, masks[m] });
            }
        }
    }

    // A level's modifiers become the keys that set them in this layout.
    std::map<xkb_mod_index_t, int> modifierKeys;
    for (const Modifier& modifier : cstModifiers) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap.get(), modifier.name);
        const auto found = plain.find(modifier.key);
        if (modifier.key == 0 || index == XKB_MOD_INVALID || found == plain.end())
            continue;
        const std::vector<int>& codes = found->second;
        const bool usual = std::find(codes.begin(), codes.end(), modifier.usualCode) != codes.end();
        modifierKeys[index] = usual ? modifier.usualCode : codes.front();
    }
    for (const auto& [keysym, candidate] : best) {
        KeyStroke stroke { candidate.code, {} };
        bool reachable = true;
        for (xkb_mod_index_t index = 0; index < 32 && reachable; ++index) {
            if (!(candidate.mask & (1u << index)))
                continue;
            const auto key = modifierKeys.find(index);
            reachable = key != modifierKeys.end();
            if (reachable)
                stroke.modifiers.push_back(key->second);
        }
        if (reachable)
            m_strokes[keysym] = stroke;
    }
    m_latin = true;
    for (xkb_keysym_t letter = XKB_KEY_a; letter <= XKB_KEY_z && m_latin; ++letter)
        m_latin = m_strokes.count(letter) != 0;
}

bool XkbKeyMap::strokeFor(unsigned long keysym, KeyStroke* stroke) const
{
    const auto found = m_strokes.find(keysym);
    if (found == m_strokes.end())
        return false;
    if (stroke)
        *stroke = found->second;
    return true;
}

std::string XkbKeyMap::keysymName(unsigned long keysym)
{
    char name[64] = {};
    if (xkb_keysym_get_name(static_cast<xkb_keysym_t>(keysym), name, sizeof name) <= 0)
        return "?";
    return name;
}

} // namespace korvane::core
