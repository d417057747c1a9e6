# jaggo tests: the documents' example checker itself: a drifted or missing line fails an example,
# what is marked as varying does not, and output without a mark naming its command is found.
import unittest

import check_examples as c


class Matching(unittest.TestCase):
    def test_a_drifted_or_missing_line_fails(self):
        real = ["Coverage: 4 samples", "Presented: 4 samples", "Verdict: agrees"]
        self.assertTrue(c.matches(real, real, False))
        self.assertFalse(c.matches(["Coverage: 4 samples", "Verdict: agrees"], real, False))
        self.assertFalse(c.matches(["Coverage: 4 samples", "Presented: 8 samples", "Verdict: agrees"], real, False))
        self.assertFalse(c.matches(["Verdict: agrees"], real, False))

    def test_what_varies_and_gaps_match(self):
        real = ["Context 29 reports", "GL Renderer  : radeonsi", "a", "b", "Verdict: agrees"]
        self.assertTrue(c.matches(["Context {{285}} reports", "GL Renderer  : {{llvmpipe}}", "...",
                                   "Verdict: agrees"], real, False))
        self.assertTrue(c.matches(["a", "b"], real, True))
        self.assertFalse(c.matches(["b", "a"], real, True))

    def test_the_diff_shows_only_the_drift(self):
        shown = c.shown_as_real(["Context {{285}}", "...", "Verdict: old"], ["Context 29", "x", "Verdict: new"])
        self.assertEqual(shown, ["Context 29", "x", "Verdict: old"])


class Marks(unittest.TestCase):
    def test_output_without_a_mark_is_found(self):
        text = ("<!-- check: jaggo -h -->\n```\nUsage\n```\n\n```sh\nscripts/run.sh\n```\n\n"
                "```\nVerdict: x\n```\n")
        examples, problems = c.markdown_examples("doc.md", text)
        self.assertEqual([(e.command, e.lines) for e in examples], [("jaggo -h", ["Usage"])])
        self.assertEqual(problems, ["doc.md:10: an example without a mark naming its command"])
        examples, problems = c.roff_examples("page.1", '.\\" check: a (escape, status 3)\n.RS\n.nf\n\\-x\n.fi\n.nf\ny\n.fi\n')
        self.assertEqual([(e.command, e.escape, e.status, e.lines) for e in examples], [("a", True, 3, ["-x"])])
        self.assertEqual(problems, ["page.1:6: an example without a mark naming its command"])

    def test_the_manual_pages_bold_words(self):
        self.assertEqual(c.bold_words([".B kind", ".RB ( a ,", ".BR b ),", ".RI ( window )"]), ["kind", "a", "b"])


if __name__ == "__main__":
    unittest.main()
