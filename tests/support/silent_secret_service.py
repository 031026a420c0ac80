#!/usr/bin/python3
# Owns the secret service's name on the session bus and never answers a call: a keyring daemon
# stuck on a prompt that nobody can see. Runs until killed.
import _dbus_bindings
import dbus
import dbus.mainloop.glib
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
bus.add_message_filter(lambda connection, message: _dbus_bindings.HANDLER_RESULT_HANDLED
                       if message.get_member() != "NameAcquired" else _dbus_bindings.HANDLER_RESULT_NOT_YET_HANDLED)
bus.request_name("org.freedesktop.secrets")
GLib.MainLoop().run()
