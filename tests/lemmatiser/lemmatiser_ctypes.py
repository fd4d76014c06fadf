"""Loads libQM7Lemmatiser.so with ctypes, as a tool in another language would.

Usage: lemmatiser_ctypes.py PATH_TO_LIBRARY DATA_DIR
UTF-16 text crosses the boundary as c_uint16 arrays.
"""
import ctypes
import os
import sys
import tempfile
import unittest

LIB_PATH, DATA_DIR = sys.argv[1], sys.argv[2]
del sys.argv[1:3]

u16p = ctypes.POINTER(ctypes.c_uint16)

LEMMA, MATCH, STOP, RELATION = 0, 1, 2, 3
TRUE = -1


class Proc(ctypes.Structure):
    """A procedure bound to an object: code first, object second."""
    _fields_ = [("code", ctypes.c_void_p), ("object", ctypes.c_void_p)]


class LemmaEntry(ctypes.Structure):
    _fields_ = [("variantp", ctypes.c_void_p), ("headwordp", u16p)]


ANNOUNCE = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_int32, u16p)
PROGRESS = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_int32)
LEMMA_VISIT = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.POINTER(LemmaEntry), ctypes.c_uint8,
                               ctypes.c_uint8, ctypes.c_int32, ctypes.c_int32)
# TMatchEntryRec, a record of one pointer, travels by value like the pointer.
MATCH_VISIT = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_uint8,
                               ctypes.c_uint8, ctypes.c_int32, ctypes.c_int32)
YIELD = ctypes.CFUNCTYPE(None, ctypes.c_void_p)


def wide(text):
    """A NUL-terminated c_uint16 array holding text in UTF-16."""
    units = list(memoryview(text.encode("utf-16-le")).cast("H")) + [0]
    return (ctypes.c_uint16 * len(units))(*units)


def read_wide(pointer):
    if not pointer:
        return None
    p = ctypes.cast(pointer, u16p)
    units = []
    while p[len(units)] != 0:
        units.append(p[len(units)])
    return bytes((ctypes.c_uint16 * len(units))(*units)).decode("utf-16-le")


def read_ansi(pointer):
    return None if not pointer else ctypes.string_at(pointer).decode("cp1252")


def bind(lib):
    def fn(name, restype, *argtypes):
        f = getattr(lib, name)
        f.restype, f.argtypes = restype, list(argtypes)

    u8, i16, i32, u32, vp = (ctypes.c_uint8, ctypes.c_int16, ctypes.c_int32, ctypes.c_uint32,
                             ctypes.c_void_p)
    fn("LoadedOne", i16, u8, u16p, u8, Proc, Proc, u32, u8, u8)
    fn("ClearOne", i16, u8, u8)
    fn("CancelOne", None, u8, u8)
    fn("WordListerChangeWord", vp, u8, vp, i32, i16)
    fn("LineFinderChangeWord", vp, vp, i32, i16)
    fn("KeyFinderChangeWord", vp, vp, i32, i16)
    fn("FoundInTheList", vp, u8, vp, u8, u8)
    fn("LemmaVariantsOf", vp, u8, u16p, u16p)
    fn("LemmaHeadWords", vp, u8, i32)
    for name in ("LemmaHeadWordsCount", "LemmaPairEntriesAltogether", "MatchListWordsCount",
                 "StopListWordsCount"):
        fn(name, i32, u8)
    for name in ("TraverseLemmasDoing", "TraverseMatchesDoing", "TraverseRelationsDoing",
                 "TraverseStopsDoing"):
        fn(name, None, u8, Proc)
    fn("TraversedOne", i32, u8, i32, u8)
    fn("GetAString", vp, i32, u8, i32)
    fn("QM7Lemmatiser_SetYieldHook", None, Proc)
    fn("QM7Lemmatiser_SetSystemCodePage", i16, u32)
    return lib


lib = bind(ctypes.CDLL(LIB_PATH))
NO_PROC = Proc(None, None)


def load(slot, path, kind, case_sensitive=1, commas=0, announce=NO_PROC, progress=NO_PROC):
    return lib.LoadedOne(slot, wide(path), kind, announce, progress, 0x0409, case_sensitive,
                         commas)


def lines_of(slot, kind, max_to_show=1000):
    n = lib.TraversedOne(slot, max_to_show, kind)
    return [read_wide(lib.GetAString(i, 1, 0)) for i in range(n)]


class LemmatiserThroughCtypes(unittest.TestCase):
    def setUp(self):
        lib.QM7Lemmatiser_SetSystemCodePage(1252)
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        lib.QM7Lemmatiser_SetYieldHook(NO_PROC)
        for kind in range(4):
            for slot in range(22):
                lib.ClearOne(slot, kind)
        self.folder.cleanup()

    def write(self, name, data):
        path = os.path.join(self.folder.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_lemma_files_in_every_encoding(self):
        for slot, name in enumerate(("lemmas_ansi.txt", "lemmas_utf16le.txt",
                                     "lemmas_utf16be.txt")):
            with self.subTest(name=name):
                announced = []
                announce_code = ANNOUNCE(lambda obj, n, mess: announced.append(
                    (n, read_wide(mess))))
                announce = Proc(ctypes.cast(announce_code, ctypes.c_void_p), None)
                self.assertEqual(load(slot, os.path.join(DATA_DIR, name), LEMMA,
                                      announce=announce), TRUE)
                self.assertEqual(announced[1:], [(9, "lemmas"), (9, "lemmas")])
                self.assertEqual(lib.LemmaPairEntriesAltogether(slot), 9)
                self.assertEqual([read_wide(lib.LemmaHeadWords(slot, i)) for i in range(4)],
                                 ["BE", "CAFÉ", "GO", None])
                self.assertEqual(read_wide(lib.LemmaVariantsOf(slot, wide("go"), wide(", "))),
                                 "GOES, GOING, WENT, GONE")
                # An 8-bit word is converted to the list's encoding by FoundInTheList.
                self.assertEqual(read_wide(lib.FoundInTheList(slot, b"CAF\xc9S", 0, LEMMA)),
                                 "CAFÉ")
                self.assertEqual(lines_of(slot, LEMMA, 1), ["AM (BE)", "ARE (BE)"])

    def test_change_word_returns_headword_or_the_word_itself(self):
        self.assertEqual(load(0, os.path.join(DATA_DIR, "lemmas_utf16le.txt"), LEMMA), TRUE)
        went = wide("WENT")
        self.assertEqual(read_wide(lib.WordListerChangeWord(0, ctypes.cast(went, ctypes.c_void_p),
                                                            0, TRUE)), "GO")
        self.assertEqual(read_ansi(lib.WordListerChangeWord(0, ctypes.cast(wide("CAFÉS"),
                                                                           ctypes.c_void_p), 0, 0)),
                         "CAFÉ")
        come = wide("COME")
        address = ctypes.cast(come, ctypes.c_void_p).value
        self.assertEqual(lib.WordListerChangeWord(0, address, 0, TRUE), address)
        self.assertEqual(load(1, os.path.join(DATA_DIR, "lemmas_ansi.txt"), LEMMA), TRUE)
        self.assertEqual(read_ansi(lib.LineFinderChangeWord(b"GONE", 0, 0)), "GO")
        self.assertEqual(lib.WordListerChangeWord(22, address, 0, TRUE), address)

    def test_match_stop_and_relation_lists(self):
        match = os.path.join(DATA_DIR, "match_ansi.txt")
        self.assertEqual(load(3, match, MATCH, commas=1), TRUE)
        self.assertEqual(lines_of(3, MATCH), ["London", "New York, NY"])
        self.assertEqual(load(3, match, MATCH), TRUE)
        self.assertEqual(lib.MatchListWordsCount(3), 4)
        self.assertEqual(load(3, os.path.join(DATA_DIR, "stop_utf16le.txt"), STOP), TRUE)
        self.assertEqual(lib.StopListWordsCount(3), 3)
        self.assertEqual(read_wide(lib.FoundInTheList(3, ctypes.cast(wide("THE"), ctypes.c_void_p),
                                                      1, STOP)), "THE")
        self.assertEqual(load(3, os.path.join(DATA_DIR, "relation_ansi.txt"), RELATION), TRUE)
        seen = []
        visit = MATCH_VISIT(lambda obj, text, uni, aff, this, out_of: seen.append(
            (read_ansi(text), this, out_of)))
        lib.TraverseRelationsDoing(3, Proc(ctypes.cast(visit, ctypes.c_void_p), None))
        self.assertEqual([s[0] for s in seen], ["HATE", "LOVE"])
        self.assertTrue(all(s[2] == 21 for s in seen))

    def test_lemma_walk_callback(self):
        self.assertEqual(load(4, os.path.join(DATA_DIR, "lemmas_utf16le.txt"), LEMMA), TRUE)
        seen = []

        def on_visit(obj, entry, in_unicode, affixes, this, out_of):
            seen.append((read_wide(entry.contents.variantp), read_wide(entry.contents.headwordp),
                         in_unicode))

        visit = LEMMA_VISIT(on_visit)
        lib.TraverseLemmasDoing(4, Proc(ctypes.cast(visit, ctypes.c_void_p), None))
        self.assertEqual(len(seen), 9)
        self.assertEqual(seen[0], ("AM", "BE", 1))

    def test_failures_give_nothing(self):
        self.assertEqual(load(5, os.path.join(DATA_DIR, "empty_utf16le.txt"), LEMMA), 0)
        self.assertEqual(load(5, os.path.join(DATA_DIR, "no_such_file.txt"), MATCH), 0)
        self.assertEqual(load(5, os.path.join(DATA_DIR, "lemmas_ansi.txt"), 4), 0)
        self.assertEqual(load(22, os.path.join(DATA_DIR, "lemmas_ansi.txt"), LEMMA), 0)
        self.assertEqual(lib.ClearOne(5, 9), TRUE)
        self.assertEqual(lib.ClearOne(22, 0), 0)
        self.assertIsNone(lib.GetAString(-1, 1, 0))
        self.assertEqual(lib.QM7Lemmatiser_SetSystemCodePage(65001), 0)

    def test_yield_hook_can_cancel_a_load(self):
        path = self.write("long.txt", b"".join(b"W%d\n" % i for i in range(1000)))

        reloads = []

        def on_yield(obj):
            if lib.MatchListWordsCount(6) >= 100 and not reloads:
                lib.CancelOne(6, MATCH)
                # The slot is busy: a reload from here does nothing.
                reloads.append(load(6, path, MATCH))

        hook = YIELD(on_yield)
        lib.QM7Lemmatiser_SetYieldHook(Proc(ctypes.cast(hook, ctypes.c_void_p), None))
        self.assertEqual(load(6, path, MATCH), TRUE)
        lib.QM7Lemmatiser_SetYieldHook(NO_PROC)
        self.assertEqual(reloads, [0])
        self.assertEqual(lib.MatchListWordsCount(6), 101)


if __name__ == "__main__":
    unittest.main(verbosity=2)
