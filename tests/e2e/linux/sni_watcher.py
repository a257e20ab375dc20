#!/usr/bin/python3
"""A stand-in for a panel that shows StatusNotifierItems (KDE Plasma, GNOME
with AppIndicator), on the session bus of $DBUS_SESSION_BUS_ADDRESS.

  sni_watcher.py serve FILE   owns org.kde.StatusNotifierWatcher, says a host
                              is there, and writes each item that registers
                              to FILE, one service name a line
  sni_watcher.py owned        succeeds once the watcher's name is taken
  sni_watcher.py tip SERVICE  prints the item's tool-tip, title and text
  sni_watcher.py activate SERVICE
                              what a left click on the item asks of it
"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHER = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""
ITEM_PATH = "/StatusNotifierItem"
ITEM = "org.kde.StatusNotifierItem"


def serve(out):
    items = []

    def call(connection, sender, path, interface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            service = args.unpack()[0]
            # An item may give its object path instead of a bus name.
            item = sender if service.startswith("/") else service
            items.append(item)
            with open(out, "a") as f:
                f.write(item + "\n")
            connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered",
                                   GLib.Variant("(s)", (item,)))
        invocation.return_value(None)

    def get(connection, sender, path, interface, name):
        return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
                "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "ProtocolVersion": GLib.Variant("i", 0)}[name]

    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    info = Gio.DBusNodeInfo.new_for_xml(WATCHER).interfaces[0]
    bus.register_object("/StatusNotifierWatcher", info, call, get, None)
    loop = GLib.MainLoop()
    Gio.bus_own_name_on_connection(bus, "org.kde.StatusNotifierWatcher",
                                   Gio.BusNameOwnerFlags.NONE, None, lambda *_: loop.quit())
    loop.run()


def item_call(service, interface, method, args):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    return bus.call_sync(service, ITEM_PATH, interface, method, args, None,
                         Gio.DBusCallFlags.NONE, 5000, None)


def main():
    what, arg = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else ""
    if what == "owned":
        bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.kde.StatusNotifierWatcher",)), None,
                              Gio.DBusCallFlags.NONE, 5000, None)
        sys.exit(0 if reply.unpack()[0] else 1)
    elif what == "serve":
        serve(arg)
    elif what == "tip":
        reply = item_call(arg, "org.freedesktop.DBus.Properties", "Get",
                          GLib.Variant("(ss)", (ITEM, "ToolTip")))
        _icon, _pixmaps, title, text = reply.unpack()[0]
        print(title)
        print(text)
    elif what == "activate":
        item_call(arg, ITEM, "Activate", GLib.Variant("(ii)", (0, 0)))


if __name__ == "__main__":
    main()
