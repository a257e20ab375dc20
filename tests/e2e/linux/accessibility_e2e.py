#!/usr/bin/python3
"""The Linux program as a screen reader reads it, through AT-SPI.

Starts its own Xvfb display, session bus and accessibility bus, runs the
program in dry-run mode with Qt's accessibility on, and reads the whole tree:
the role and name of every control of the main window and of the countdown
dialog. Then it acts as a blind user would, through AT-SPI alone: it types a
target 35 seconds ahead into the selectors, presses 确 定 with its action (the
window hides, Label1 shows the target), hears the countdown's number change
and presses 取消关机 with its action (the window is back, nothing recorded).

Usage: accessibility_e2e.py PROGRAM
"""
import datetime
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def program_title():
    """The main window's title: the name and the project's one version."""
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
    with open(os.path.join(root, "CMakeLists.txt"), encoding="utf-8") as cmake:
        for line in cmake:
            if line.startswith("project(Tarvenel VERSION "):
                return "Tarvenel " + line.split()[2]
    raise SystemExit("FAIL: no project version in CMakeLists.txt")

program = sys.argv[1]
work = tempfile.mkdtemp(prefix="tarvenel-a11y.")
processes = []
servers = []  # the X server, started apart: ended by its PID


def start(args, **kwargs):
    process = subprocess.Popen(args, **kwargs)
    processes.append(process)
    return process


def cleanup():
    for process in reversed(processes):
        process.terminate()
    for process in processes:
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
    for pid in servers:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    shutil.rmtree(work, ignore_errors=True)


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, seconds, check):
    limit = time.monotonic() + seconds
    while time.monotonic() < limit:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    fail(what)


def read_line(fd):
    text = b""
    while not text.endswith(b"\n"):
        chunk = os.read(fd, 256)
        if not chunk:
            break
        text += chunk
    return text.decode().strip()


def session():
    """The display, the session bus and the accessibility bus."""
    home = os.path.join(work, "home")
    env = os.environ
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_RUNTIME_DIR=work + "/run",
               XDG_CACHE_HOME=home + "/.cache", TARVENEL_DRY_RUN=work + "/dry-run.txt",
               DBUS_SYSTEM_BUS_ADDRESS="unix:path=" + work + "/no-system-bus",
               QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("AT_SPI_BUS_ADDRESS", None)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(home + "/.config/Tarvenel")
    # No confirmation box after arming: the window hides at once.
    with open(home + "/.config/Tarvenel/Tarvenel.ini", "w") as ini:
        ini.write("[SetLog]\nMsgOK=0\n")

    started = subprocess.run([os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                           "start_xvfb.sh"), work + "/xvfb.log", "-screen", "0",
                              "1024x768x24"], stdout=subprocess.PIPE, text=True, check=False)
    if started.returncode != 0:
        fail("no Xvfb display could be opened")
    number, pid = started.stdout.split()
    servers.append(int(pid))
    env["DISPLAY"] = ":" + number
    # A notification area for the armed window to hide in.
    start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width",
           "120", "--height", "28"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    read, write = os.pipe()
    start(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write],
          pass_fds=[write])
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read)
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
          stderr=subprocess.DEVNULL)


def tree(node, depth=0):
    """Every accessible below node, with its depth."""
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from tree(child, depth + 1)


def describe(node):
    return (node.getRoleName(), node.name)


def find(root, role, name):
    for node, _ in tree(root):
        if describe(node) == (role, name):
            return node
    fail("no %s named %r under %r:\n%s" % (role, name, root.name, dump(root)))


def dump(root):
    return "\n".join("  " * depth + "%s %r" % describe(node) for node, depth in tree(root))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r has no press action: %s" % (node.name, names))
    action.doAction(names.index("Press"))


def set_text(node, text):
    editable = [n for n, _ in tree(node) if n.getRole() == pyatspi.ROLE_TEXT][0]
    editable.queryEditableText().setTextContents(text)


def check_roles(root, expected):
    """Every (role, name, description) of expected is in the tree."""
    missing = []
    for role, name, description in expected:
        nodes = [n for n, _ in tree(root) if describe(n) == (role, name)]
        if not nodes:
            missing.append("%s %r" % (role, name))
        elif description is not None and nodes[0].description != description:
            missing.append("%s %r described %r" % (role, name, nodes[0].description))
    if missing:
        fail("missing: %s\nthe tree:\n%s" % ("; ".join(missing), dump(root)))


def no_nameless_controls(root):
    # What a user can act on must say what it is.
    nameless = [describe(n) for n, _ in tree(root)
                if n.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX,
                                   pyatspi.ROLE_LINK, pyatspi.ROLE_IMAGE) and not n.name]
    if nameless:
        fail("nameless controls: %s\n%s" % (nameless, dump(root)))


session()
import pyatspi  # noqa: E402 (it needs the buses above)
from gi.repository import GLib  # noqa: E402

try:
    app_log = open(work + "/program.log", "w")
    program_process = start([program], stdout=app_log, stderr=subprocess.STDOUT)

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Tarvenel":
                return app
        return None

    app = wait_for("the program did not show on the accessibility bus", 20, application)
    main = wait_for("no main window", 10, lambda: next(
        (n for n, _ in tree(app) if n.getRole() == pyatspi.ROLE_FRAME and showing(n)), None))
    if main.name != program_title():
        fail("the main window is named %r" % main.name)

    print("== every control of the main window")
    now = datetime.datetime.now()
    check_roles(main, [
        ("push button", "确 定", "确定开始运行定时关机"),
        ("push button", "取 消", "取消定时关机"),
        ("push button", "重 置", "重新设置归位至当前时间"),
        ("push button", "最小化", "最小化"),
        ("push button", "关闭", "关闭"),
        ("link", "快速帮助", None),
        ("link", "官方主页", None),
        ("image", "定时关机已设定", None),
        ("check box", "程序每次随系统启动", None),
        ("check box", "设定成功确定运行时出现提示", None),
        ("check box", "程序启动后自动开始运行", None),
        ("check box", "预先设置为默认关机时间  →", None),
        ("combo box", "%d年" % now.year, "设定关机时间（年）"),
    ])
    no_nameless_controls(main)
    # The selectors keep their value as name and their tool-tip as description.
    tips = sorted(n.description for n, _ in tree(main)
                  if n.getRole() == pyatspi.ROLE_COMBO_BOX and n.name)
    if tips != sorted("设定关机时间（%s）" % u for u in "年月日时分秒") + \
            sorted("设置默认时间（%s）" % u for u in "时分秒"):
        fail("the selectors read %s" % tips)
    labels = [n.name for n, _ in tree(main) if n.getRole() == pyatspi.ROLE_LABEL]
    if not any(name.startswith("当前电脑时间：") for name in labels) or \
            not any(name.startswith("设定关机时间：") for name in labels):
        fail("the time lines are not read: %s" % labels)
    links = [n for n, _ in tree(main) if n.getRole() == pyatspi.ROLE_LINK]
    if len(links) != 3:
        fail("%d links, not Label2, Label3 and the credit line" % len(links))
    cancel = find(main, "push button", "取 消")
    if cancel.getState().contains(pyatspi.STATE_ENABLED):
        fail("取 消 reads as enabled before arming")

    print("== a target 35 s ahead, typed through AT-SPI; 确 定 pressed by its action")
    target = datetime.datetime.now() + datetime.timedelta(seconds=35)
    combos = [n for n, _ in tree(main) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    by_tip = {n.description: n for n in combos}
    for tip, text in [("年", "%d年" % target.year), ("月", "%d月" % target.month),
                      ("日", "%d日" % target.day), ("时", "%d时" % target.hour),
                      ("分", "%d分" % target.minute), ("秒", "%d秒" % target.second)]:
        set_text(by_tip["设定关机时间（%s）" % tip], text)
    arm = find(main, "push button", "确 定")
    press(arm)
    wait_for("the window stayed after the arm button's action", 10, lambda: not showing(main))
    expected = "设定关机时间：%d年%d月%d日%d时%d分%d秒" % (
        target.year, target.month, target.day, target.hour, target.minute, target.second)
    if not any(n.name == expected for n, _ in tree(main) if n.getRole() == pyatspi.ROLE_LABEL):
        fail("Label1 does not read %r:\n%s" % (expected, dump(main)))
    if not cancel.getState().contains(pyatspi.STATE_ENABLED):
        fail("取 消 reads as disabled once armed")
    if find(main, "push button", "确 定").getState().contains(pyatspi.STATE_ENABLED):
        fail("确 定 reads as enabled once armed")

    print("== the countdown dialog, read and heard")
    heard = []

    def on_name(event):
        if event.source.getRole() == pyatspi.ROLE_LABEL and event.source.name.isdigit():
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    dialog = wait_for("no countdown dialog", 45, lambda: next(
        (n for n, _ in tree(app) if n.name == "正在准备关机…" and showing(n)), None))
    check_roles(dialog, [("push button", "取消关机", None)])
    numbers = [n.name for n, _ in tree(dialog) if n.getRole() == pyatspi.ROLE_LABEL]
    # A busy machine may find the dialog a step or two late.
    if not numbers or not numbers[0].isdigit() or not 7 <= int(numbers[0]) <= 10:
        fail("the countdown number reads %s" % numbers)
    # Let the events of the next step come in.
    limit = time.monotonic() + 10
    while time.monotonic() < limit and not heard:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.05)
    if not heard:
        fail("the countdown number changed unheard")

    print("== 取消关机 pressed by its action")
    press(find(dialog, "push button", "取消关机"))
    wait_for("the main window did not come back", 10, lambda: showing(main))
    if not find(main, "push button", "确 定").getState().contains(pyatspi.STATE_ENABLED):
        fail("确 定 reads as disabled after cancelling")
    time.sleep(1)
    if os.path.exists(work + "/dry-run.txt") and os.path.getsize(work + "/dry-run.txt"):
        fail("a power action was recorded")
    if program_process.poll() is not None:
        fail("the program ended")
    print("PASS")
finally:
    cleanup()
