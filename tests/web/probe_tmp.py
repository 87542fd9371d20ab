import browser, program, time
with browser.road() as page:
    page.set_viewport(1024, 700)
    page.load(page.url)
    program.shown(page, "Form0", "start").click("Bild1")
    program.shown(page, "Form1", "trainer")
    page.set_viewport(768, 950)
    page.wait("window.innerWidth === 768 && window.innerHeight === 950")
    program.shown(page, "Form1", "trainer turned")
    time.sleep(2)
    page.screenshot().save("/tmp/turned-%s.png" % page.engine)
