#!/usr/bin/python3
"""Waits on a rectangle of the X screen ($DISPLAY), polling it with XGetImage every 50 ms: far
cheaper than a screenshot program started at every look, so a wait steals next to no CPU from
the program under test. The end-to-end scripts wait with it, then make their checks on real
screenshots.

    xwait.py grab X Y W H OUT                  writes the rectangle's pixels (raw RGB) to OUT
    xwait.py differs X Y W H REF FUZZ MIN MS [QUIET]
                                               until more than MIN pixels differ from REF (and
                                               then, with QUIET, until the rectangle has not
                                               changed for QUIET ms: its repaint is over)
    xwait.py matches X Y W H REF FUZZ MAX MS   until at most MAX pixels differ from REF
    xwait.py still X Y W H QUIET MS            until the rectangle has not changed for QUIET ms

    xwait.py windows PID                       the viewable windows of process PID, as
                                               "ID TITLE" items separated by the byte 0x1f
    xwait.py serve                             reads such commands (without "xwait.py"), one a
                                               line, from its input and answers each with a
                                               line "STATUS OUTPUT": one process for a whole
                                               run, which saves starting Python at every wait

REF is raw RGB of the same size (from `grab`, or `convert IMAGE -crop ... -depth 8 rgb:REF`). A
pixel differs when one of its channels differs by more than FUZZ percent of the full range, as
ImageMagick's `compare -metric AE -fuzz FUZZ%` counts. Every wait looks at least once, however
short its time, then exits 0 when the condition holds or 1 when MS milliseconds have passed;
it prints the last count (or, for `still`, the ms the rectangle was last seen changing). With
XWAIT_STAMP=1 in the environment, `differs` and `matches` print after the count the time (ms
since the epoch) of the look that met the condition; with XWAIT_READY=FILE they create FILE
after their first look, so that a caller can start one before the step it is to time.
"""
import ctypes
import os
import sys
import time

POLL = 0.05
ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
        ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
        ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
        ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
        ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
        ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p),
    ]


IS_VIEWABLE = 2
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
# A window that goes away while it is looked at raises an X error; Xlib's default handler would
# end the process, this one lets the call fail.
ignore_errors = ERROR_HANDLER(lambda display, event: 0)


class Screen:
    def __init__(self):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.dpy = self.x.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit("xwait.py: cannot open display %s" % os.environ.get("DISPLAY"))
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.x.XSetErrorHandler(ignore_errors)
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                      ctypes.POINTER(ctypes.c_ulong),
                                      ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                      ctypes.POINTER(ctypes.c_uint)]
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                                ctypes.POINTER(XWindowAttributes)]
        self.x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
            ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.atoms = {n: self.x.XInternAtom(self.dpy, n.encode(), 0)
                      for n in ("_NET_WM_PID", "_NET_WM_NAME", "WM_NAME", "UTF8_STRING")}

    def prop(self, window, name):
        """The raw bytes and item size of a window property, or (None, 0)."""
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        if self.x.XGetWindowProperty(self.dpy, window, self.atoms[name], 0, 4096, 0, 0,
                                     ctypes.byref(kind), ctypes.byref(fmt), ctypes.byref(count),
                                     ctypes.byref(after), ctypes.byref(data)) != 0 or not data:
            return None, 0
        try:
            size = {8: 1, 16: 2, 32: ctypes.sizeof(ctypes.c_long)}.get(fmt.value, 1)
            return ctypes.string_at(data, count.value * size), fmt.value
        finally:
            self.x.XFree(data)

    def children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        kids, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, window, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(kids), ctypes.byref(n)):
            return []
        try:
            return [kids[i] for i in range(n.value)]
        finally:
            if kids:
                self.x.XFree(kids)

    def windows(self, pid):
        """(id, title) of every viewable window that process pid owns (_NET_WM_PID), in the
        window tree's order, as xdotool search --onlyvisible --pid lists them."""
        found = []
        todo = self.children(self.root)
        depth = {w: 1 for w in todo}
        while todo:
            w = todo.pop(0)
            attrs = XWindowAttributes()
            if not self.x.XGetWindowAttributes(self.dpy, w, ctypes.byref(attrs)):
                continue
            if attrs.map_state != IS_VIEWABLE:
                continue
            raw, _ = self.prop(w, "_NET_WM_PID")
            if raw and int.from_bytes(raw[:ctypes.sizeof(ctypes.c_long)], "little") == pid:
                title, _ = self.prop(w, "_NET_WM_NAME")
                if title is None:
                    title, _ = self.prop(w, "WM_NAME")
                found.append((w, (title or b"").decode("utf-8", "replace")))
            if depth[w] < 3:
                for k in self.children(w):
                    depth[k] = depth[w] + 1
                    todo.append(k)
        return found

    def grab(self, x, y, w, h):
        """The rectangle as 32-bit pixels (B G R X, rows packed), or None if it lies off the
        screen."""
        img = self.x.XGetImage(self.dpy, self.root, x, y, w, h, ALL_PLANES, ZPIXMAP)
        if not img:
            return None
        try:
            im = img.contents
            if im.bits_per_pixel != 32 or im.byte_order != 0:
                raise SystemExit("xwait.py: only 32-bit LSB-first screens are supported")
            raw = ctypes.string_at(im.data, im.bytes_per_line * h)
            stride = im.bytes_per_line
        finally:
            self.x.XDestroyImage(img)
        if stride != w * 4:
            raw = b"".join(raw[r * stride:r * stride + w * 4] for r in range(h))
        return raw


def to_rgb(pixels):
    out = bytearray(len(pixels) // 4 * 3)
    out[0::3] = pixels[2::4]
    out[1::3] = pixels[1::4]
    out[2::3] = pixels[0::4]
    return bytes(out)


def from_rgb(rgb):
    out = bytearray(len(rgb) // 3 * 4)
    out[0::4] = rgb[2::3]
    out[1::4] = rgb[1::3]
    out[2::4] = rgb[0::3]
    return out


def count_diff(a, b, w, fuzz, stop):
    """Pixels whose colour channels differ by more than fuzz (0-255), counted up to stop + 1;
    a and b hold 32-bit pixels (B G R X)."""
    n = 0
    row = w * 4
    for start in range(0, len(a), row):
        ra, rb = a[start:start + row], b[start:start + row]
        if ra == rb:
            continue
        for i in range(0, row, 4):
            if (abs(ra[i] - rb[i]) > fuzz or abs(ra[i + 1] - rb[i + 1]) > fuzz
                    or abs(ra[i + 2] - rb[i + 2]) > fuzz):
                n += 1
                if n > stop:
                    return n
    return n


def main(argv):
    if len(argv) == 2 and argv[1] == "serve":
        screen = Screen()
        for line in sys.stdin:
            try:
                rc, text = run(["xwait.py"] + line.split(), screen)
            except Exception as e:  # a bad command answers, and the server goes on
                rc, text = 2, "-1 %s" % e
            sys.stdout.write("%d %s\n" % (rc, text))
            sys.stdout.flush()
        return 0
    if len(argv) < 6 and not (len(argv) == 3 and argv[1] == "windows"):
        print(__doc__, file=sys.stderr)
        return 2
    rc, text = run(argv, Screen())
    if text:
        print(text)
    return rc


def run(argv, screen):
    """Runs one command; returns its exit status and the line it prints."""
    if len(argv) == 3 and argv[1] == "windows":
        items = ["%d %s" % (w, t.replace("\x1f", " ").replace("\n", " "))
                 for w, t in screen.windows(int(argv[2]))]
        return 0, "\x1f".join(items)
    if len(argv) < 6:
        return 2, "-1"
    cmd = argv[1]
    x, y, w, h = (int(v) for v in argv[2:6])
    if cmd == "grab" and len(argv) == 7:
        pixels = screen.grab(x, y, w, h)
        if pixels is None:
            return 1, ""
        with open(argv[6], "wb") as f:
            f.write(to_rgb(pixels))
        return 0, ""
    if cmd in ("differs", "matches") and len(argv) in (10, 11):
        with open(argv[6], "rb") as f:
            ref = f.read()
        if len(ref) != w * h * 3:
            return 1, "-1"
        ref = from_rgb(ref)
        fuzz = float(argv[7]) * 255 / 100
        limit = int(argv[8])
        deadline = time.monotonic() + int(argv[9]) / 1000
        n = -1
        stamp = os.environ.get("XWAIT_STAMP") == "1"
        ready = os.environ.get("XWAIT_READY")
        while True:
            seen = time.time()
            pixels = screen.grab(x, y, w, h)
            if pixels is not None:
                if cmd == "differs":
                    n = count_diff(ref, pixels, w, fuzz, limit)
                    if n > limit:
                        if len(argv) == 11:
                            still(screen, x, y, w, h, int(argv[10]) / 1000, 2.0, pixels)
                        return 0, "%d %d" % (n, seen * 1000) if stamp else str(n)
                else:
                    n = count_diff(ref, pixels, w, fuzz, 1 << 30)
                    if n <= limit:
                        return 0, "%d %d" % (n, seen * 1000) if stamp else str(n)
            if ready:
                open(ready, "w").close()
                ready = None
            if time.monotonic() >= deadline:
                return 1, str(n)
            time.sleep(POLL)
    if cmd == "still" and len(argv) == 8:
        ok, changed = still(screen, x, y, w, h, int(argv[6]) / 1000, int(argv[7]) / 1000)
        return (0 if ok else 1), str(changed)
    return 2, "-1"


def still(screen, x, y, w, h, quiet, limit, last=None):
    """Waits until the rectangle has not changed for quiet seconds, at most limit seconds;
    returns whether it came to rest and the ms at which it last changed."""
    start = time.monotonic()
    deadline = start + limit
    if last is None:
        last = screen.grab(x, y, w, h)
    changed = start
    while True:
        time.sleep(POLL)
        now = time.monotonic()
        pixels = screen.grab(x, y, w, h)
        if pixels != last:
            last, changed = pixels, now
        elif now - changed >= quiet:
            return True, int((changed - start) * 1000)
        if now >= deadline:
            return False, int((changed - start) * 1000)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
