#include "core/platform/linux/gnomeinputsources.h"

// GLib's headers name struct members "signals", which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <algorithm>
#include <string>

namespace korvane::core {

namespace {

constexpr char cstSchema[] = "org.gnome.desktop.input-sources";

// "fr+oss" is the layout fr with its variant oss. Input methods (IBus) are
// not XKB layouts and give nothing.
std::vector<std::string> xkbIds(GSettings* settings, const char* key)
{
    std::vector<std::string> ids;
    GVariant* sources = g_settings_get_value(settings, key);
    GVariantIter iter;
    g_variant_iter_init(&iter, sources);
    const gchar* type = nullptr;
    const gchar* id = nullptr;
    while (g_variant_iter_next(&iter, "(&s&s)", &type, &id)) {
        if (g_strcmp0(type, "xkb") == 0 && id && *id)
            ids.emplace_back(id);
    }
    g_variant_unref(sources);
    return ids;
}

void onChanged(GSettings*, const gchar*, gpointer self)
{
    emit static_cast<GnomeInputSources*>(self)->changed();
}

} // namespace

GnomeInputSources::GnomeInputSources(QObject* parent)
    : QObject(parent)
{
    // GSettings aborts the process on a schema it does not know.
    GSettingsSchemaSource* schemas = g_settings_schema_source_get_default();
    GSettingsSchema* schema
        = schemas ? g_settings_schema_source_lookup(schemas, cstSchema, TRUE) : nullptr;
    if (!schema)
        return;
    m_settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    // Delivered by the GLib main loop that Qt's event loop runs.
    g_signal_connect(m_settings, "changed", G_CALLBACK(onChanged), this);
}

GnomeInputSources::~GnomeInputSources()
{
    if (m_settings) {
        g_signal_handlers_disconnect_by_data(m_settings, this);
        g_object_unref(m_settings);
    }
}

SessionLayouts GnomeInputSources::layouts() const
{
    if (!m_settings)
        return {};
    const std::vector<std::string> ids = xkbIds(m_settings, "sources");
    gchar** options = g_settings_get_strv(m_settings, "xkb-options");
    gchar* joined = g_strjoinv(",", options);
    KeyboardLayout names;
    names.options = joined;
    g_free(joined);
    g_strfreev(options);

    SessionLayouts session;
    session.source = "GNOME's settings";
    for (const std::string& id : ids) {
        const auto plus = id.find('+');
        names.layout = id.substr(0, plus);
        names.variant = plus == std::string::npos ? "" : id.substr(plus + 1);
        session.layouts.push_back(names);
    }
    for (const std::string& recent : xkbIds(m_settings, "mru-sources")) {
        const auto found = std::find(ids.begin(), ids.end(), recent);
        if (found != ids.end()) {
            session.active = static_cast<std::size_t>(found - ids.begin());
            break;
        }
    }
    return session;
}

} // namespace korvane::core
