#!/usr/bin/env python3
"""Start-up and memory figures of the desktop program under a virtual X server.

    scripts/startup-figures.py [PROGRAM] [--runs N] [--colour RRGGBB] [--shots DIR]

PROGRAM defaults to build/bin/ssq (with the shipped history beside it). Each run starts
a fresh Xvfb (no window manager) and the program, and prints:

  mapped   the main window is mapped (ms after launch)
  painted  the home page's background colour shows in the window's middle or margins (ms)
  start    the main process's resident memory two seconds after the window was painted,
           and the number and memory of its child processes (the web engine's helpers)
  charts   the same after every chart page was opened by its key (Ctrl+1 ... Shift+F4)

With --shots, the window after start and after the charts goes to DIR/start.png and
DIR/charts.png. The figures are printed, not judged: run it a few times on a quiet machine. It needs
python3, Xvfb and the X libraries libX11 and libXtst (Debian: xvfb, libxtst6).
"""

import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys
import time
import zlib

# ---- Xlib through ctypes (no X headers needed) ---------------------------------------

x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
xtst = ctypes.cdll.LoadLibrary(ctypes.util.find_library("Xtst") or "libXtst.so.6")

x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
x11.XSetErrorHandler.restype = ctypes.c_void_p
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


class XImage(ctypes.Structure):
    # The leading fields of XImage, up to the function table (enough to read 32-bit pixels).
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_uint8)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
                ("obdata", ctypes.c_void_p),
                ("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p))]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                     ctypes.POINTER(XWindowAttributes)]

# A window that goes away between the event and the look at it is no error of ours.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
x11.XSetErrorHandler(_ERROR_HANDLER)

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2
ALL_PLANES = ~0 & 0xFFFFFFFFFFFFFFFF


def pixel(dpy, win, x, y):
    """The colour at (x, y) of the window as 0xRRGGBB, or None."""
    img = x11.XGetImage(dpy, win, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
    if not img:
        return None
    image = XImage.from_address(img)
    data = image.data
    value = data[0] | (data[1] << 8) | (data[2] << 16)   # 32-bit little-endian BGRx
    image.destroy_image(img)
    return value


def save_png(dpy, win, width, height, path):
    """The window's picture as a PNG file (to check by eye what the run saw)."""
    img = x11.XGetImage(dpy, win, 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
    if not img:
        return
    image = XImage.from_address(img)
    raw = ctypes.string_at(image.data, image.bytes_per_line * height)
    image.destroy_image(img)
    rows = bytearray()
    for y in range(height):
        line = raw[y * image.bytes_per_line:y * image.bytes_per_line + 4 * width]
        rgb = bytearray(3 * width)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows += b"\0" + rgb

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


def send_key(dpy, keysym, modifier=None):
    codes = [x11.XKeysymToKeycode(dpy, k) for k in ([modifier] if modifier else []) + [keysym]]
    for c in codes:
        xtst.XTestFakeKeyEvent(dpy, c, 1, 0)
    for c in reversed(codes):
        xtst.XTestFakeKeyEvent(dpy, c, 0, 0)
    x11.XFlush(dpy)


# ---- processes and memory ------------------------------------------------------------

def rss_mib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return 0.0


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    parent = int(f.read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except (OSError, IndexError, ValueError):
                pass
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def memory_text(pid):
    helpers = descendants(pid)
    helper_mib = sum(rss_mib(p) for p in helpers)
    return f"main {rss_mib(pid):6.1f} MiB, {len(helpers)} helper processes {helper_mib:6.1f} MiB"


# ---- one run -------------------------------------------------------------------------

def free_display():
    d = 90
    while os.path.exists(f"/tmp/.X11-unix/X{d}") or os.path.exists(f"/tmp/.X{d}-lock"):
        d += 1
    return f":{d}"


def one_run(program, colour, shots):
    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
                break
            time.sleep(0.05)
        dpy = x11.XOpenDisplay(display.encode())
        if not dpy:
            raise SystemExit(f"cannot open the virtual display {display}")
        root = x11.XDefaultRootWindow(dpy)
        x11.XSelectInput(dpy, root, SUBSTRUCTURE_NOTIFY_MASK)
        x11.XSync(dpy, 0)
        env = dict(os.environ, DISPLAY=display, QTWEBENGINE_DISABLE_SANDBOX="1")
        event = (ctypes.c_long * 24)()
        t0 = time.monotonic()
        proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            return measure(dpy, proc, event, t0, colour, shots)
        finally:
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
            x11.XCloseDisplay(dpy)
    finally:
        xvfb.terminate()
        xvfb.wait()


def measure(dpy, proc, event, t0, colour, shots):
    window = None
    mapped = painted = None
    attrs = XWindowAttributes()
    deadline = t0 + 20
    while time.monotonic() < deadline and painted is None:
        while x11.XPending(dpy):
            x11.XNextEvent(dpy, event)
            if ctypes.c_int.from_buffer(event).value != MAP_NOTIFY or window is not None:
                continue
            w = event[5]   # XMapEvent.window
            # The main window is the first large one (the splash window is 450 x 353).
            if x11.XGetWindowAttributes(dpy, w, ctypes.byref(attrs)) and attrs.width > 600:
                window, mapped = w, time.monotonic() - t0
                size = (attrs.width, attrs.height)
                probes = [(size[0] // 2, size[1] // 2), (size[0] - 12, size[1] // 2),
                          (size[0] // 2, size[1] - 60)]
        # The page's background in its margins (the middle may be text).
        if window is not None and any(pixel(dpy, window, x, y) == colour for x, y in probes):
            painted = time.monotonic() - t0
        time.sleep(0.002)
    ms = lambda t: "never" if t is None else f"{t * 1000:5.0f} ms"
    print(f"  mapped {ms(mapped)}, painted {ms(painted)}", flush=True)
    if window is None:
        return
    time.sleep(2)
    if shots:
        save_png(dpy, window, size[0], size[1], os.path.join(shots, "start.png"))
    print(f"  after start:        {memory_text(proc.pid)}", flush=True)
    x11.XSetInputFocus(dpy, window, 1, 0)
    ctrl, shift = 0xFFE3, 0xFFE1
    keys = [(0x31 + i, ctrl) for i in range(9)] + [(0xFFBE + i, shift) for i in range(4)]
    for keysym, modifier in keys:
        send_key(dpy, keysym, modifier)
        time.sleep(0.6)
    time.sleep(1)
    if shots:
        save_png(dpy, window, size[0], size[1], os.path.join(shots, "charts.png"))
    print(f"  after every chart:  {memory_text(proc.pid)}", flush=True)


def main():
    args = sys.argv[1:]
    runs, colour, program, shots = 3, 0xF4F1E4, "build/bin/ssq", None
    while args:
        a = args.pop(0)
        if a == "--runs":
            runs = int(args.pop(0))
        elif a == "--colour":
            colour = int(args.pop(0), 16)
        elif a == "--shots":
            shots = args.pop(0)
            os.makedirs(shots, exist_ok=True)
        else:
            program = a
    program = os.path.abspath(program)
    print(f"{program} (home page colour #{colour:06x})")
    for i in range(runs):
        print(f"run {i + 1}:", flush=True)
        one_run(program, colour, shots)


if __name__ == "__main__":
    main()
